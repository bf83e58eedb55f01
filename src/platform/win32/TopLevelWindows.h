#pragma once
#include <cstdint>
#include <optional>

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
    bool IsVisible(WindowHandle window) override;
    std::u16string ClassName(WindowHandle window) override;
    std::u16string Text(WindowHandle window) override;
    IconHandle SmallIcon(WindowHandle window) override;
    void SetText(WindowHandle window, std::u16string_view text) override;

  private:
    // Sends a message and waits a short time for the answer; nothing when none came in time.
    std::optional<std::intptr_t> Ask(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam);

    // The last window that let a request time out, and until when (GetTickCount64) it is not
    // asked again.
    WindowHandle silentWindow_{};
    std::uint64_t silentUntil_ = 0;
};

}  // namespace zubolo
