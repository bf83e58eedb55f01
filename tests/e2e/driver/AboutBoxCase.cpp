// The About box as a user meets it: opened from the button "バージョン情報" of page "ヘルプ", a
// small captioned box without caption buttons, centred on the screen, with the program's icon
// (whose hint, the only one, is the download page) and its text line by line over the
// background, the pointer moved near its OK button. It closes with Esc and, opened again, with OK,
// leaving the main window as it was.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "AboutTexts.h"
#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "RemoteBuffer.h"
#include "Screenshot.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int HelpPageIndex = 3;

HWND OpenAboutBox(const ChildProcess& zubolo, HWND aboutButton) {
    Expect(IsWindowEnabled(aboutButton) != FALSE, L"バージョン情報 to be enabled");
    // Posted: the box's modal loop holds the click until the box closes.
    PostMessageW(aboutButton, BM_CLICK, 0, 0);
    return WaitForMessageBox(zubolo.Id());
}

void WaitUntilClosed(const ChildProcess& zubolo, HWND main, std::wstring_view how) {
    WaitFor(L"the About box to close with " + std::wstring(how),
            [&] { return FindMessageBox(zubolo.Id()) == nullptr && IsWindowEnabled(main); });
}

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

HWND IconOf(HWND box) {
    for (HWND control : DescendantsOfClass(box, L"Static")) {
        if ((GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return control;
    }
    Fail(L"an icon in the About box");
}

HWND TextOf(HWND box) {
    for (HWND control : DescendantsOfClass(box, L"Static")) {
        if ((GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return control;
    }
    Fail(L"a text in the About box");
}

void CheckFrame(HWND box, const ZuboloWindows& windows) {
    ExpectText(L"About box caption (the main window's caption)", WindowText(windows.main),
               WindowText(box));
    const LONG style = GetWindowLongW(box, GWL_STYLE);
    const LONG extended = GetWindowLongW(box, GWL_EXSTYLE);
    Expect((style & WS_CAPTION) == WS_CAPTION, L"the About box to have a caption bar");
    Expect((style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
           L"the About box to have no caption buttons");
    Expect((extended & WS_EX_TOOLWINDOW) != 0, L"the About box to have a small caption bar");
    Expect(IsWindowEnabled(windows.main) == FALSE, L"the main window to wait for the About box");

    RECT bounds{};
    GetWindowRect(box, &bounds);
    const long centreX = (bounds.left + bounds.right) / 2;
    const long centreY = (bounds.top + bounds.bottom) / 2;
    Expect(std::abs(centreX - GetSystemMetrics(SM_CXSCREEN) / 2) <= 1 &&
               std::abs(centreY - GetSystemMetrics(SM_CYSCREEN) / 2) <= 1,
           L"the About box to stand at the centre of the screen");
}

// The box moves the pointer onto OK before it is shown: two thirds of the way across and a third
// of the way down, with the frame counted whole (both borders across, caption and both borders
// down).
void CheckPointer(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    RECT outer{};
    RECT client{};
    RECT okBounds{};
    RECT okClient{};
    GetWindowRect(box, &outer);
    GetClientRect(box, &client);
    GetWindowRect(ok, &okBounds);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&okBounds), 2);
    GetClientRect(ok, &okClient);
    const POINT expected{outer.left + (outer.right - outer.left - client.right) + okBounds.left +
                             2 * okClient.right / 3,
                         outer.top + (outer.bottom - outer.top - client.bottom) + okBounds.top +
                             okClient.bottom / 3};
    POINT pointer{};
    GetCursorPos(&pointer);
    RECT okOnScreen{};
    GetWindowRect(ok, &okOnScreen);
    Expect(PtInRect(&okOnScreen, pointer) != FALSE, L"the pointer on OK");
    Expect(pointer.x == expected.x && pointer.y == expected.y,
           L"the pointer at " + std::to_wstring(expected.x) + L", " + std::to_wstring(expected.y) +
               L", saw it at " + std::to_wstring(pointer.x) + L", " + std::to_wstring(pointer.y));
}

void CheckOkButton(HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    Expect(ok != nullptr, L"an OK button in the About box");
    ExpectText(L"the About box's button", L"OK", WindowText(ok));
    Expect((GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
           L"OK to be the default button");
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    Expect(GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &gui) && gui.hwndFocus == ok,
           L"the keyboard focus on OK");
}

// The hint of the icon: the only tool of the box's tooltip control.
void CheckIconHint(HWND box, HWND icon) {
    HWND tooltip = nullptr;
    for (HWND window : TopLevelWindowsOf(ProcessOf(box))) {
        if (ClassNameOf(window) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) == box) {
            Expect(tooltip == nullptr, L"one hint control in the About box");
            tooltip = window;
        }
    }
    Expect(tooltip != nullptr, L"a hint control in the About box");
    ExpectNumber(L"controls of the About box with a hint", 1,
                 SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));

    constexpr std::size_t TextChars = 256;
    RemoteBuffer remote(tooltip, sizeof(TTTOOLINFOW) + TextChars * sizeof(wchar_t));
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(info)));
    remote.Write(0, &info, sizeof(info));
    Expect(SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, remote.Address()) != 0,
           L"the hint of the About box's icon");
    remote.Read(0, &info, sizeof(info));
    Expect(reinterpret_cast<HWND>(info.uId) == icon, L"the hint to belong to the icon");
    ExpectText(L"the icon's hint", DownloadPageUrl, remote.ReadText(sizeof(info), TextChars));
}

void CheckAboutBox(HWND box, const CaseSettings& settings, const ZuboloWindows& windows) {
    CheckFrame(box, windows);
    CheckOkButton(box);
    CheckPointer(box);
    HWND icon = IconOf(box);
    Expect(SendMessageW(icon, STM_GETICON, 0, 0) != 0, L"the About box's icon to show a picture");
    CheckIconHint(box, icon);
    CheckAboutLines(Lines(WindowText(TextOf(box))), settings.zuboloPath);
}

}  // namespace

void RunAboutBoxCase(const CaseSettings& settings) {
    ParkMousePointer();
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND aboutButton = ShowPageButton(windows.main, HelpPageIndex, L"バージョン情報");

    HWND box = OpenAboutBox(zubolo, aboutButton);
    CheckAboutBox(box, settings, windows);
    SaveWindowScreenshot(box, settings.screenshotFolder + L"\\about-box.bmp");
    // Esc goes to the control with the focus, OK, as the keyboard would send it.
    HWND ok = GetDlgItem(box, IDOK);
    PostMessageW(ok, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageW(ok, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    WaitUntilClosed(zubolo, windows.main, L"Esc");

    box = OpenAboutBox(zubolo, aboutButton);
    CheckAboutBox(box, settings, windows);
    PressMessageBoxButton(box, IDOK);
    WaitUntilClosed(zubolo, windows.main, L"OK");

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
