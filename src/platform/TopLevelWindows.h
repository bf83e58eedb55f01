#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Handles.h"

namespace zubolo {

inline constexpr int ShowCommandShow = 5;     // SW_SHOW
inline constexpr int ShowCommandRestore = 9;  // SW_RESTORE
// The longest caption read from a window: a 256-character buffer less its terminating NUL.
inline constexpr std::size_t MaxCaptionLength = 255;

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

    // Whether the window is visible (IsWindowVisible).
    virtual bool IsVisible(WindowHandle window) = 0;
    // The name of the window's class; empty when it cannot be read.
    virtual std::u16string ClassName(WindowHandle window) = 0;
    // The window's caption, at most MaxCaptionLength characters of it; empty for an empty caption
    // and when it cannot be read. A window of another process is not asked, so this never waits.
    virtual std::u16string Text(WindowHandle window) = 0;

    // The window's small icon (WM_GETICON, ICON_SMALL); 0 when it has none, for window 0, for a
    // window that no longer exists, and when a window of another process does not answer within
    // a short time: a hung program must not hold this one up. A window that has just let a
    // request time out is not asked again for a moment; meanwhile it counts as not answering.
    virtual IconHandle SmallIcon(WindowHandle window) = 0;
    // Sets the caption of a window, also one of another process, which gets the same short time
    // to take it; failures and time-outs are ignored.
    virtual void SetText(WindowHandle window, std::u16string_view text) = 0;
};

}  // namespace zubolo
