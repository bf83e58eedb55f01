#include "ZuboloProgram.h"

#include <optional>
#include <string>

#include "CommonControls.h"
#include "MainWindowInput.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "WindowQueries.h"

namespace zubolo::e2e {

namespace {

std::optional<ZuboloWindows> ProbeFirstInstance(const ChildProcess& process, bool visible) {
    if (HWND box = FindMessageBox(process.Id())) {
        Fail(L"expected a first instance, but the program shows a message box captioned " +
             Quoted(WindowText(box)) + L": " + Quoted(MessageBoxText(box)));
    }
    if (process.HasExited()) Fail(L"expected a first instance, but the process ended");
    ZuboloWindows windows{FindTopLevel(process.Id(), ApplicationWindowClass),
                          FindTopLevel(process.Id(), MainWindowClass)};
    if (windows.application == nullptr || windows.main == nullptr) return std::nullopt;
    if (GetPropW(windows.application, InstanceMarkerName) !=
        reinterpret_cast<HANDLE>(InstanceMarkerValue)) {
        return std::nullopt;
    }
    if (visible && !IsWindowVisible(windows.main)) return std::nullopt;
    return windows;
}

}  // namespace

ZuboloWindows WaitForFirstInstance(const ChildProcess& process) {
    return *WaitFor(L"an application window (class " + std::wstring(ApplicationWindowClass) +
                        L") with the property Zubolo = 20221230 and a main window (class " +
                        MainWindowClass + L")",
                    [&] { return ProbeFirstInstance(process, false); });
}

ZuboloWindows WaitForVisibleMainWindow(const ChildProcess& process) {
    WaitForFirstInstance(process);
    return *WaitFor(L"the main window to become visible",
                    [&] { return ProbeFirstInstance(process, true); });
}

void WaitForFirstFigures(const ZuboloWindows& windows) {
    const HWND statusBar = OnlyDescendant(windows.main, L"msctls_statusbar32");
    WaitFor(L"the Recycle Bin's figures in status panel 1",
            [&] { return !StatusPanelText(statusBar, 1).empty(); });
}

void CloseZubolo(ChildProcess& process, const ZuboloWindows& windows) {
    PostMessageW(windows.main, WM_CLOSE, 0, 0);
    ExpectNumber(L"exit code after WM_CLOSE to the main window", 0,
                 process.WaitForExitCode(Deadline));
}

}  // namespace zubolo::e2e
