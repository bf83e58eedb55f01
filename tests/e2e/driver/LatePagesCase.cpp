// The program makes the windows of a page's controls when the page first comes to the front of
// the shown window. Started minimized, it has made none: the restore brings page 表示 with the
// drive rows read meanwhile. The linkage switched off through the tab control's menu while page
// ファイル has no windows shows on that page once it is opened: 連携を開始 enabled, 連携を解除
// disabled, both laid out in the page.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>

#include "Cases.h"
#include "ChildProcess.h"
#include "CommonControls.h"
#include "MainWindowInput.h"
#include "Polling.h"
#include "Screenshot.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int FilePageIndex = 0;

// One button of each page that is not in front at the start.
constexpr std::wstring_view LatePageButtons[] = {L"連携を開始", L"デスクトップに登録",
                                                 L"ヘルプ表示"};

bool HasButton(HWND main, std::wstring_view caption) {
    for (HWND button : DescendantsOfClass(main, L"Button")) {
        if (WindowText(button) == caption) return true;
    }
    return false;
}

void ExpectInside(HWND control, HWND page, std::wstring_view caption) {
    const RECT inner = ScreenRectOf(control);
    const RECT outer = ScreenRectOf(page);
    Expect(inner.right > inner.left && inner.bottom > inner.top && inner.left >= outer.left &&
               inner.right <= outer.right && inner.top >= outer.top && inner.bottom <= outer.bottom,
           Quoted(caption) + L" to be laid out inside its page");
}

}  // namespace

void RunLatePagesCase(const CaseSettings& settings) {
    ParkMousePointer();
    ChildProcess zubolo(settings.zuboloPath, SW_SHOWMINNOACTIVE);
    const ZuboloWindows windows = WaitForFirstInstance(zubolo);
    WaitFor(L"the program, started with SW_SHOWMINNOACTIVE, to be minimized", [&] {
        return IsIconic(windows.application) != FALSE && IsWindowVisible(windows.main) == FALSE;
    });
    Expect(DescendantsOfClass(windows.main, L"SysListView32").empty(),
           L"no drive list window while the main window was never shown");

    DWORD_PTR result = 0;
    SendMessageTimeoutW(windows.application, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_NORMAL, 5000,
                        &result);
    WaitFor(L"a restore from the taskbar to show the main window",
            [&] { return IsWindowVisible(windows.main) != FALSE; });
    HWND list = OnlyDescendant(windows.main, L"SysListView32");
    Expect(IsWindowVisible(list) != FALSE && !ListViewRows(list).empty(),
           L"page 表示 to show the drive rows read while the program was minimized");
    for (std::wstring_view caption : LatePageButtons) {
        Expect(!HasButton(windows.main, caption),
               L"no window yet for " + Quoted(caption) + L", on a page not yet in front");
    }

    // 連携を解除 from the keyboard: ファイル, its submenu opens on 連携を開始, one down, Return.
    HWND statusBar = OnlyDescendant(windows.main, L"msctls_statusbar32");
    ChooseFromSubmenu(zubolo, OnlyDescendant(windows.main, L"SysTabControl32"), 1, 1);
    WaitFor(L"連携を解除 from the menu to empty status panel 1",
            [&] { return StatusPanelText(statusBar, 1).empty(); });

    HWND start = ShowPageButton(windows.main, FilePageIndex, L"連携を開始");
    HWND stop = ButtonCaptioned(windows.main, L"連携を解除");
    Expect(IsWindowEnabled(start) != FALSE && IsWindowEnabled(stop) == FALSE,
           L"page ファイル, opened after the linkage was switched off, to show 連携を開始 "
           L"enabled and 連携を解除 disabled");
    for (HWND button : {start, stop}) ExpectInside(button, GetParent(button), WindowText(button));
    SaveWindowScreenshot(windows.main, settings.screenshotFolder + L"\\late-page-file.bmp");
    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
