#pragma once
#include "platform/Display.h"

namespace zubolo {

// GetSystemMetrics (SM_CXSCREEN, SM_CYSCREEN) and GetDpiForSystem.
class Win32Display final : public Display {
  public:
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    unsigned SystemDpi() const override;
};

}  // namespace zubolo
