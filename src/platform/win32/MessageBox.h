#pragma once
#include "platform/MessageBox.h"

namespace zubolo {

// Message boxes shown with MessageBoxW.
class Win32MessageBoxes final : public MessageBoxes {
  public:
    void ShowPlain(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
                   bool fitWidth) override;
    int Ask(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
            std::uint32_t flags) override;
};

}  // namespace zubolo
