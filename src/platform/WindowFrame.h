#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Handles.h"

namespace zubolo {

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

// The fields of a window's WINDOWPLACEMENT that the settings file keeps (the minimized position
// is not among them).
struct WindowPlacement {
    std::int32_t flags = 0;
    std::int32_t showCmd = 0;
    ScreenPoint maxPosition;
    ScreenRect normalPosition;
    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr std::int32_t ShowCommandHide = 0;  // SW_HIDE

// Window messages that the portable code looks at, with the numbers Windows gives them.
namespace WindowMessage {
inline constexpr unsigned DropFiles = 0x0233;  // WM_DROPFILES; wParam is the drop handle
}  // namespace WindowMessage

// The numbers are those of the settings file.
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// How the window system holds the program's own windows: where they are, how they stand in the
// z-order, in which state they are shown and whether they take dropped files.
class WindowFrame {
  public:
    virtual ~WindowFrame() = default;

    // GetWindowPlacement and SetWindowPlacement; the other fields of the structure are kept.
    virtual WindowPlacement Placement(WindowHandle window) = 0;
    virtual void SetPlacement(WindowHandle window, const WindowPlacement& placement) = 0;

    // The primary monitor's work area: the screen without the taskbar.
    virtual ScreenRect WorkArea() = 0;

    // True while the window is visible on the screen.
    virtual bool IsShowing(WindowHandle window) = 0;

    // A hidden window keeps the state it is given and appears in it when it is first shown.
    virtual WindowState State(WindowHandle window) = 0;
    virtual void SetState(WindowHandle window, WindowState state) = 0;

    // Topmost windows stay above all ordinary ones.
    virtual void SetTopmost(WindowHandle window, bool topmost) = 0;

    // Width of `text` in the window's font, in design pixels (96 dots per inch) like every size
    // of the control model.
    virtual int TextWidth(WindowHandle window, std::u16string_view text) = 0;

    // Registers the window as a target of files dropped from the shell (or unregisters it).
    virtual void AcceptDroppedFiles(WindowHandle window, bool accept) = 0;

    // The paths of the files of a drop that the window received, in their order and each one
    // whole, however long. The drop's memory is released (DragFinish) in every case.
    virtual std::vector<std::u16string> TakeDroppedFiles(NativeHandle drop) = 0;

    // Paints what the window needs painted now instead of waiting for the next idle moment.
    virtual void Repaint(WindowHandle window) = 0;

    // The window that owns `window` (for the main window: the application window); 0 for none.
    virtual WindowHandle Owner(WindowHandle window) = 0;

    // Restores the application from the taskbar or the notification area when it is minimized,
    // as the user's restore would (its restore event runs); otherwise nothing happens.
    // `mainWindow` is the main window, owned by the application window.
    virtual void RestoreApplication(WindowHandle mainWindow) = 0;

    // Lets the messages waiting in the queue be handled before the caller goes on.
    virtual void ProcessPendingMessages() = 0;

    // The program's window that takes the user's input now; 0 when none of them is active.
    virtual WindowHandle ActiveWindow() = 0;
};

}  // namespace zubolo
