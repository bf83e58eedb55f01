#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/Handles.h"

namespace zubolo {

inline constexpr int ShowCommandShow = 5;     // SW_SHOW
inline constexpr int ShowCommandRestore = 9;  // SW_RESTORE

// Top-level windows of any process on the desktop.
class TopLevelWindows {
  public:
    virtual ~TopLevelWindows() = default;

    // Visits every top-level window, hidden ones included, until `visit` returns false.
    // Returns true when every window was visited, false when `visit` stopped the walk.
    virtual bool Enumerate(const std::function<bool(WindowHandle)>& visit) = 0;

    // The value of a window property; 0 when the window has no property of that name.
    virtual std::intptr_t GetProperty(WindowHandle window, std::u16string_view name) = 0;
    virtual void SetProperty(WindowHandle window, std::u16string_view name,
                             std::intptr_t value) = 0;
    virtual void RemoveProperty(WindowHandle window, std::u16string_view name) = 0;

    virtual bool IsIconic(WindowHandle window) = 0;
    virtual void Show(WindowHandle window, int showCommand) = 0;
    virtual void SetForeground(WindowHandle window) = 0;
    // The window the user works in; 0 when there is none.
    virtual WindowHandle Foreground() = 0;

    // The window's small icon (WM_GETICON, ICON_SMALL); 0 when it has none, for window 0 and for
    // a window that no longer exists. A window of another process is asked and waited for.
    virtual IconHandle SmallIcon(WindowHandle window) = 0;
    // Sets the caption of a window, also one of another process; failures are ignored.
    virtual void SetText(WindowHandle window, std::u16string_view text) = 0;
};

}  // namespace zubolo
