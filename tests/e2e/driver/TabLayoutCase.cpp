// The four visible tabs share four fifths of the tab control's width, each exactly its width
// div 5, at the start and after the window is widened; "Show Hint" stays centred under the
// button above it, in the middle of the help page's right column.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "Polling.h"
#include "RemoteBuffer.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int VisibleTabs = 4;
constexpr int HelpPageIndex = 3;
// The check box is centred by a margin worked out from the whole grid, whose inner padding it
// does not count; it may stand this far from the exact middle of its column.
constexpr int CentringTolerance = 3;

int WidthOf(HWND window) {
    const RECT bounds = ScreenRectOf(window);
    return bounds.right - bounds.left;
}

std::vector<int> TabWidths(HWND tabs) {
    RemoteBuffer rect(tabs, sizeof(RECT));
    std::vector<int> widths;
    const auto count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        RECT item{};
        if (SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), rect.Address())) {
            rect.Read(0, &item, sizeof(item));
        }
        widths.push_back(item.right - item.left);
    }
    return widths;
}

std::wstring Numbers(const std::vector<int>& numbers) {
    std::wstring text;
    for (int number : numbers) text += (text.empty() ? L"" : L", ") + std::to_wstring(number);
    return L"[" + text + L"]";
}

void ExpectFifths(HWND tabs, std::wstring_view when) {
    auto fifths = [&] { return std::vector<int>(VisibleTabs, WidthOf(tabs) / (VisibleTabs + 1)); };
    if (!PollUntil([&] { return TabWidths(tabs) == fifths(); })) {
        Fail(L"tab widths " + std::wstring(when) + L": expected " + Numbers(fifths()) +
             L" (tab control " + std::to_wstring(WidthOf(tabs)) + L" wide, div 5), seen " +
             Numbers(TabWidths(tabs)));
    }
}

void ExpectShowHintCentred(HWND showHint, HWND buttonAbove, std::wstring_view when) {
    auto offset = [&] { return CentreOf(showHint).x - CentreOf(buttonAbove).x; };
    if (!PollUntil([&] { return std::abs(offset()) <= CentringTolerance; })) {
        Fail(L"\"Show Hint\" " + std::wstring(when) +
             L" to be centred under \"ホームページ\": its "
             L"centre is " +
             std::to_wstring(offset()) + L" pixels off (" + std::to_wstring(WidthOf(showHint)) +
             L" wide)");
    }
}

}  // namespace

void RunTabLayoutCase(const CaseSettings& settings) {
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND tabs = OnlyDescendant(windows.main, L"SysTabControl32");
    HWND showHint = ShowPageButton(windows.main, HelpPageIndex, L"Show Hint");
    HWND homeSite = ButtonCaptioned(windows.main, L"ホームページ");

    ExpectFifths(tabs, L"at the start");
    ExpectShowHintCentred(showHint, homeSite, L"at the start");

    const RECT outer = ScreenRectOf(windows.main);
    const int widened = (outer.right - outer.left) + 237;
    SetWindowPos(windows.main, nullptr, 0, 0, widened, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor(L"the main window to be widened", [&] { return WidthOf(windows.main) == widened; });
    ExpectFifths(tabs, L"after widening the window");
    ExpectShowHintCentred(showHint, homeSite, L"after widening the window");
    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
