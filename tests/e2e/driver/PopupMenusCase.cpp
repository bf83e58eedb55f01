// The popup menus as a user opens them: a right click on the status bar, the tab control and the
// drive list, and on the tray icon, each shows a menu of the program (a screenshot of each is
// saved, submenus open where they hold pictures or check marks); a right click on the window's own
// area shows none; an item chosen with the keyboard runs its command.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "Polling.h"
#include "Screenshot.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int FilePageIndex = 0;
constexpr int StatusPageIndex = 1;
constexpr int SettingsPageIndex = 2;

// The message the program's tray icon sends to the main window; lParam is the mouse message.
constexpr UINT TrayIconMessage = WM_APP + 1;

// Opens a menu, goes down to a submenu head and opens it; screenshots the window with the menus.
void ScreenshotMenu(const ChildProcess& zubolo, HWND main, const std::wstring& file,
                    int downToSubmenu) {
    std::vector<HWND> windows = WaitForMenus(zubolo, 1, L"after the right click");
    if (downToSubmenu > 0) {
        for (int i = 0; i < downToSubmenu; ++i) PressMenuKey(zubolo, VK_DOWN);
        PressMenuKey(zubolo, VK_RIGHT);
        windows = WaitForMenus(zubolo, 2, L"with the submenu open");
    }
    windows.push_back(main);
    SaveWindowsScreenshot(windows, file);
    CloseMenus(zubolo);
}

void CheckNoMenuOnTheWindowItself(HWND main) {
    RECT client{};
    GetClientRect(main, &client);
    POINT at{client.right / 2, client.bottom / 2};
    ClientToScreen(main, &at);
    // A menu would hold the handler in its modal loop, so a prompt return means no menu opened.
    DWORD_PTR result = 0;
    const LRESULT answered =
        SendMessageTimeoutW(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main),
                            MAKELPARAM(at.x, at.y), SMTO_ABORTIFHUNG, 3000, &result);
    Expect(answered != 0, L"a right click on the main window itself to open no menu");
}

}  // namespace

void RunPopupMenusCase(const CaseSettings& settings) {
    ParkMousePointer();
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND main = windows.main;
    const std::wstring folder = settings.screenshotFolder + L"\\";

    RightClick(OnlyDescendant(main, L"msctls_statusbar32"));
    ScreenshotMenu(zubolo, main, folder + L"menu-4-status-bar.bmp", 0);

    // Down three times: ファイル, 表示, 設定, whose submenu holds the check marks.
    RightClick(OnlyDescendant(main, L"SysTabControl32"));
    ScreenshotMenu(zubolo, main, folder + L"menu-3-tab-control.bmp", 3);

    // The drive list is on the page in front at start; its first item opens the folder submenu.
    RightClick(OnlyDescendant(main, L"SysListView32"));
    ScreenshotMenu(zubolo, main, folder + L"menu-2-drive-list.bmp", 1);

    // The tray menu opens where the mouse is: over the window, so the screenshot stays small.
    const POINT inside = CentreOf(main);
    SetCursorPos(inside.x, inside.y);
    PostMessageW(main, TrayIconMessage, 1, WM_RBUTTONUP);
    ScreenshotMenu(zubolo, main, folder + L"menu-1-tray-icon.bmp", 0);
    // The keyboard walks below need the pointer away from every menu.
    ParkMousePointer();

    CheckNoMenuOnTheWindowItself(main);

    // タスクトレイに格納 from the keyboard: 設定, its submenu opens on its first item, nine more
    // items down (separators are passed over), Return; the settings page follows. The page is
    // looked at first, and page 表示 brought back to the front.
    HWND trayResidence = ShowPageButton(main, SettingsPageIndex, L"タスクトレイ");
    Expect(SendMessageW(trayResidence, BM_GETCHECK, 0, 0) == BST_UNCHECKED,
           L"タスクトレイ not to be selected at start");
    ShowPage(main, StatusPageIndex, OnlyDescendant(main, L"SysListView32"));
    ChooseFromSubmenu(zubolo, OnlyDescendant(main, L"SysTabControl32"), 3, 9);
    WaitFor(L"タスクトレイに格納 to select タスクトレイ on the settings page",
            [&] { return SendMessageW(trayResidence, BM_GETCHECK, 0, 0) == BST_CHECKED; });

    // 連携を解除 from the keyboard: ファイル, its submenu opens on 連携を開始, one down, Return.
    HWND stop = ShowPageButton(main, FilePageIndex, L"連携を解除");
    HWND start = ButtonCaptioned(main, L"連携を開始");
    Expect(!IsWindowEnabled(start) && IsWindowEnabled(stop), L"the linkage to be on at start");
    ChooseFromSubmenu(zubolo, OnlyDescendant(main, L"SysTabControl32"), 1, 1);
    WaitFor(L"連携を解除 to switch the linkage off: 連携を開始 enabled, 連携を解除 disabled",
            [&] { return IsWindowEnabled(start) && !IsWindowEnabled(stop); });

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
