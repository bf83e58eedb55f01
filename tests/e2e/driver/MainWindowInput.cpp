#include "MainWindowInput.h"

#include <commctrl.h>

#include <string>

#include "MessageBoxes.h"
#include "Polling.h"
#include "ProgramBoxes.h"
#include "WindowQueries.h"

namespace zubolo::e2e {

namespace {

constexpr wchar_t MenuClass[] = L"#32768";

// What a click on the tab of the page at `index` sends: the page changes, with its
// notifications.
void ClickTab(HWND main, int index) {
    SendMessageW(OnlyDescendant(main, L"SysTabControl32"), TCM_SETCURFOCUS,
                 static_cast<WPARAM>(index), 0);
}

}  // namespace

HWND OnlyDescendant(HWND main, std::wstring_view className) {
    const auto found = DescendantsOfClass(main, className);
    if (found.size() != 1) Fail(L"one " + std::wstring(className) + L" in the main window");
    return found.front();
}

HWND ButtonCaptioned(HWND main, std::wstring_view caption) {
    for (HWND button : DescendantsOfClass(main, L"Button")) {
        if (WindowText(button) == caption) return button;
    }
    Fail(L"a button captioned " + Quoted(caption));
}

void ShowPage(HWND main, int index, HWND control) {
    ClickTab(main, index);
    WaitFor(L"page " + std::to_wstring(index) + L" to show " + Quoted(WindowText(control)),
            [&] { return IsWindowVisible(control) != FALSE; });
}

HWND ShowPageButton(HWND main, int index, std::wstring_view caption) {
    ClickTab(main, index);
    HWND shown = nullptr;
    WaitFor(L"page " + std::to_wstring(index) + L" to show " + Quoted(caption), [&] {
        for (HWND button : DescendantsOfClass(main, L"Button")) {
            if (WindowText(button) == caption && IsWindowVisible(button)) shown = button;
        }
        return shown != nullptr;
    });
    return shown;
}

void ParkMousePointer() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

void ClickExpectingNoBox(const ChildProcess& program, HWND button) {
    const std::wstring caption = WindowText(button);
    Expect(IsWindowEnabled(button) != FALSE, Quoted(caption) + L" to be enabled");
    DWORD_PTR result = 0;
    const LRESULT answered =
        SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    Expect(answered != 0, L"the command of " + Quoted(caption) + L" to return without a box");
    ExpectNoBoxOf(program, L"a click on " + Quoted(caption));
}

void RightClick(HWND control) {
    const POINT at = CentreOf(control);
    PostMessageW(control, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control),
                 MAKELPARAM(at.x, at.y));
}

std::vector<HWND> VisibleMenus(DWORD processId) {
    std::vector<HWND> menus;
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (ClassNameOf(window) == MenuClass && IsWindowVisible(window)) menus.push_back(window);
    }
    return menus;
}

std::vector<HWND> WaitForMenus(const ChildProcess& program, std::size_t count,
                               std::wstring_view what) {
    WaitFor(
        std::to_wstring(count) + L" visible menu window(s) (class #32768) " + std::wstring(what),
        [&] { return VisibleMenus(program.Id()).size() == count; });
    return VisibleMenus(program.Id());
}

void PressMenuKey(const ChildProcess& program, WPARAM key) {
    const std::vector<HWND> menus = VisibleMenus(program.Id());
    if (menus.empty()) Fail(L"a menu to press a key in");
    // Top-level windows come in z-order from the top: the newest menu first.
    PostMessageW(menus.front(), WM_KEYDOWN, key, 1);
    PostMessageW(menus.front(), WM_KEYUP, key, 0xC0000001);
}

void ChooseFromSubmenu(const ChildProcess& program, HWND control, int head, int down) {
    RightClick(control);
    WaitForMenus(program, 1, L"after the right click");
    for (int i = 0; i < head; ++i) PressMenuKey(program, VK_DOWN);
    PressMenuKey(program, VK_RIGHT);
    WaitForMenus(program, 2, L"with the submenu open");
    for (int i = 0; i < down; ++i) PressMenuKey(program, VK_DOWN);
    PressMenuKey(program, VK_RETURN);
    WaitForMenus(program, 0, L"after Return");
}

// Esc closes the innermost menu. Wine now and then loses a key posted while it still moves the
// menu's selection after a pointer move; a user would press Esc again, and so does this.
void CloseMenus(const ChildProcess& program) {
    constexpr int PressesPerMenu = 3;
    for (std::size_t open = VisibleMenus(program.Id()).size(); open > 0; --open) {
        bool closed = false;
        for (int press = 0; press < PressesPerMenu && !closed; ++press) {
            PressMenuKey(program, VK_ESCAPE);
            closed = PollUntil([&] { return VisibleMenus(program.Id()).size() < open; },
                               std::chrono::milliseconds(2000));
        }
        if (!closed) WaitForMenus(program, open - 1, L"after Esc");
    }
}

}  // namespace zubolo::e2e
