#pragma once
#include "about/AboutBox.h"

namespace zubolo {

// The About box as a Win32 dialog laid out like the system's message dialogs, in the message
// font at the resolution of the screen it stands on.
class Win32AboutBoxes final : public AboutBoxes {
  public:
    void ShowModal(WindowHandle owner, const AboutBoxContent& content) override;
};

}  // namespace zubolo
