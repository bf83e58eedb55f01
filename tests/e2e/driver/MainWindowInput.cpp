#include "MainWindowInput.h"

#include <commctrl.h>

#include <string>

#include "Polling.h"
#include "WindowQueries.h"

namespace zubolo::e2e {

namespace {

constexpr wchar_t MenuClass[] = L"#32768";

POINT CentreOf(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
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
    SendMessageW(OnlyDescendant(main, L"SysTabControl32"), TCM_SETCURFOCUS,
                 static_cast<WPARAM>(index), 0);
    WaitFor(L"page " + std::to_wstring(index) + L" to show " + Quoted(WindowText(control)),
            [&] { return IsWindowVisible(control) != FALSE; });
}

void ParkMousePointer() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
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
