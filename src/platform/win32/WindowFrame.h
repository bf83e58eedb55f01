#pragma once
#include <windows.h>

#include <map>

#include "platform/WindowFrame.h"

namespace zubolo {

// The program's own windows through the Win32 window manager.
class Win32WindowFrame final : public WindowFrame {
  public:
    WindowPlacement Placement(WindowHandle window) override;
    void SetPlacement(WindowHandle window, const WindowPlacement& placement) override;
    ScreenRect WorkArea() override;
    bool IsShowing(WindowHandle window) override;
    WindowState State(WindowHandle window) override;
    void SetState(WindowHandle window, WindowState state) override;
    void SetTopmost(WindowHandle window, bool topmost) override;
    int TextWidth(WindowHandle window, std::u16string_view text) override;
    void AcceptDroppedFiles(WindowHandle window, bool accept) override;
    std::vector<std::u16string> TakeDroppedFiles(NativeHandle drop) override;
    void Repaint(WindowHandle window) override;
    WindowHandle Owner(WindowHandle window) override;
    void RestoreApplication(WindowHandle mainWindow) override;
    void ProcessPendingMessages() override;
    WindowHandle ActiveWindow() override;

    // The show command for the first showing of a hidden window: the process's own start
    // command when it asks for minimized (SW_SHOWMINNOACTIVE) or maximized (SW_SHOWMAXIMIZED),
    // otherwise the state the window was given while hidden, normal when it was given none.
    int ShowCommandAtStart(HWND window, int processShowCommand);

  private:
    // Windows cannot maximize or minimize a window without showing it, so the state given to a
    // hidden window waits here until it is shown.
    std::map<HWND, WindowState> hiddenStates_;
};

}  // namespace zubolo
