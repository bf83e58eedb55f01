// Esc with the main window focused asks the window to close; with the settings of a first start
// nothing asks back, so the window closes and the program ends.
#include <windows.h>

#include "Cases.h"
#include "ChildProcess.h"
#include "Polling.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

void RunEscapeClosesCase(const CaseSettings& settings) {
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);

    // The key goes to the control that has the keyboard focus, as the keyboard would send it.
    const DWORD thread = GetWindowThreadProcessId(windows.main, nullptr);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    HWND focus =
        GetGUIThreadInfo(thread, &gui) && gui.hwndFocus != nullptr ? gui.hwndFocus : windows.main;
    PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(focus, WM_KEYUP, VK_ESCAPE, 0xC0000001);

    ExpectNumber(L"exit code after Esc in the main window", 0, zubolo.WaitForExitCode(Deadline));
}

}  // namespace zubolo::e2e
