#pragma once
#include "platform/TopLevelWindows.h"

namespace zubolo {

class Win32TopLevelWindows : public TopLevelWindows {
  public:
    bool Enumerate(const std::function<bool(WindowHandle)>& visit) override;
    std::intptr_t GetProperty(WindowHandle window, std::u16string_view name) override;
    void SetProperty(WindowHandle window, std::u16string_view name, std::intptr_t value) override;
    void RemoveProperty(WindowHandle window, std::u16string_view name) override;
    bool IsIconic(WindowHandle window) override;
    void Show(WindowHandle window, int showCommand) override;
    void SetForeground(WindowHandle window) override;
    WindowHandle Foreground() override;
    IconHandle SmallIcon(WindowHandle window) override;
    void SetText(WindowHandle window, std::u16string_view text) override;
};

}  // namespace zubolo
