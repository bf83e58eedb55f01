// Where the program stays while minimized. With "タスクトレイ" a minimize hides the application
// window (the taskbar button) and shows the tray icon, which Wine draws in a stand-alone tray
// window; a real click on it brings the window back and takes the icon away. With "タスクバー"
// a minimize leaves the application window and shows no icon.
#include <windows.h>

#include <string>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "Polling.h"
#include "RealMouse.h"
#include "Screenshot.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

// Without a taskbar of its own, Wine shows notification-area icons in a window of their own
// ("Wine System Tray"), each icon a child window of it.
constexpr wchar_t StandaloneTrayClass[] = L"__winex11_standalone_tray";
constexpr wchar_t TrayIconClass[] = L"__winex11_tray_icon";
constexpr WPARAM SettingsPageIndex = 2;

HWND VisibleTrayWindow() {
    for (HWND window : TopLevelWindows()) {
        if (ClassNameOf(window) == StandaloneTrayClass && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

void ChooseResidence(HWND main, std::wstring_view caption) {
    HWND radio = ShowPageButton(main, SettingsPageIndex, caption);
    SendMessageW(radio, BM_CLICK, 0, 0);
    Expect(SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED,
           Quoted(caption) + L" to be selected");
}

// The minimize button of the caption; returns once the program has handled it.
void Minimize(HWND main) {
    DWORD_PTR result = 0;
    Expect(
        SendMessageTimeoutW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0, SMTO_NORMAL, 5000, &result) != 0,
        L"the program to handle the minimize command within 5 s");
}

std::wstring Visibility(const ZuboloWindows& windows) {
    return L"application window " +
           std::wstring(IsWindowVisible(windows.application) ? L"visible" : L"hidden") +
           (IsIconic(windows.application) ? L" (minimized)" : L"") + L", main window " +
           (IsWindowVisible(windows.main) ? L"visible" : L"hidden") + L", tray window " +
           (VisibleTrayWindow() != nullptr ? L"shown" : L"not shown");
}

}  // namespace

void RunTrayResidenceCase(const CaseSettings& settings) {
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    Expect(VisibleTrayWindow() == nullptr, L"no tray icon at the start");

    ChooseResidence(windows.main, L"タスクトレイ");
    Minimize(windows.main);
    HWND tray = PollUntil(VisibleTrayWindow);
    Expect(
        tray != nullptr && !IsWindowVisible(windows.application) && !IsWindowVisible(windows.main),
        L"with タスクトレイ, after a minimize: application window and main window hidden, "
        L"tray icon shown; seen: " +
            Visibility(windows));
    SaveWindowScreenshot(tray, settings.screenshotFolder + L"\\tray-icon.bmp");

    const auto icons = DescendantsOfClass(tray, TrayIconClass);
    ExpectNumber(L"icons in the tray window", 1, static_cast<long long>(icons.size()));
    const POINT icon = CentreOf(icons.front());

    // A right click opens the tray menu; a click anywhere else closes it and runs nothing.
    RealClickAt(icon, MouseButton::Right);
    const std::vector<HWND> menus = WaitForMenus(zubolo, 1, L"the tray menu");
    SaveWindowsScreenshot({tray, menus.front()}, settings.screenshotFolder + L"\\tray-menu.bmp");
    RealClickAt({GetSystemMetrics(SM_CXSCREEN) - 10, GetSystemMetrics(SM_CYSCREEN) - 10});
    WaitFor(L"a click outside the tray menu to close it",
            [&] { return VisibleMenus(zubolo.Id()).empty(); });
    Expect(!IsWindowVisible(windows.main) && VisibleTrayWindow() != nullptr,
           L"the window to stay in the tray after the menu closed unused; seen: " +
               Visibility(windows));

    RealClickAt(icon);
    WaitFor(L"a click on the tray icon to restore the window and hide the icon", [&] {
        return IsWindowVisible(windows.main) && IsWindowVisible(windows.application) &&
               !IsIconic(windows.application) && VisibleTrayWindow() == nullptr;
    });

    ChooseResidence(windows.main, L"タスクバー");
    Minimize(windows.main);
    Expect(IsWindowVisible(windows.application) && IsIconic(windows.application) &&
               !IsWindowVisible(windows.main) && VisibleTrayWindow() == nullptr,
           L"with タスクバー, after a minimize: the application window minimized on the taskbar, "
           L"the main window hidden and no tray icon; seen: " +
               Visibility(windows));

    DWORD_PTR result = 0;
    SendMessageTimeoutW(windows.application, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_NORMAL, 5000,
                        &result);
    WaitFor(L"a restore from the taskbar to show the main window",
            [&] { return IsWindowVisible(windows.main) != FALSE; });
    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
