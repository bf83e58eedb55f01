#pragma once
#include "platform/WindowPresentation.h"

namespace zubolo {

class Win32WindowPresentation final : public WindowPresentation {
  public:
    int OuterHeight(WindowHandle window) override;
    int ClientHeight(WindowHandle window) override;
    void SetOuterHeight(WindowHandle window, int height) override;
    int Dpi(WindowHandle window) override;
    void BringApplicationToFront(WindowHandle mainWindow) override;
};

}  // namespace zubolo
