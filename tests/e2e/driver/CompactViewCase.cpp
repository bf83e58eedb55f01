// A click on the status bar leaves only the status bar: the client area is exactly as tall as
// the status bar. A second click brings the window back to its former outer height.
#include <windows.h>

#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "Polling.h"
#include "Screenshot.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

int OuterHeight(HWND window) {
    const RECT outer = ScreenRectOf(window);
    return outer.bottom - outer.top;
}

int ClientHeight(HWND window) {
    return ClientRectOf(window).bottom;
}

// What a left click in the middle of the status bar sends it; the status bar reports the click
// to the main window.
void ClickStatusBar(HWND statusBar) {
    const RECT client = ClientRectOf(statusBar);
    const LPARAM at = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(statusBar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(statusBar, WM_LBUTTONUP, 0, at);
}

}  // namespace

void RunCompactViewCase(const CaseSettings& settings) {
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND statusBar = OnlyDescendant(windows.main, L"msctls_statusbar32");
    const int detailedHeight = OuterHeight(windows.main);
    const int statusBarHeight = ClientHeight(statusBar);
    Expect(ClientHeight(windows.main) > statusBarHeight, L"the pages to show at the start");

    ClickStatusBar(statusBar);
    if (!PollUntil([&] { return ClientHeight(windows.main) == statusBarHeight; })) {
        ExpectNumber(L"client height after a click on the status bar (the status bar's height)",
                     statusBarHeight, ClientHeight(windows.main));
    }
    Expect(IsWindowVisible(statusBar) != FALSE, L"the status bar to stay visible");
    SaveWindowScreenshot(windows.main, settings.screenshotFolder + L"\\compact-view.bmp");

    ClickStatusBar(statusBar);
    if (!PollUntil([&] { return OuterHeight(windows.main) == detailedHeight; })) {
        ExpectNumber(L"outer height after a second click on the status bar", detailedHeight,
                     OuterHeight(windows.main));
    }
    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
