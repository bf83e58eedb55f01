#pragma once
#include <windows.h>

#include <string_view>
#include <vector>

#include "ChildProcess.h"

namespace zubolo::e2e {

// What a user does to the program's main window, done from another process: finding its
// controls, right clicks, switching pages, and walking popup menus with the keyboard.

// The only control of that class in the main window; fails when there is none or more than one.
HWND OnlyDescendant(HWND main, std::wstring_view className);
// The button (push button, check box or radio button) with that caption.
HWND ButtonCaptioned(HWND main, std::wstring_view caption);

// Brings the page at `index` (counted from 0 among the visible tabs) to the front as a click on
// its tab does, and waits until `control` on it is shown.
void ShowPage(HWND main, int index, HWND control);
// Brings the page at `index` to the front as a click on its tab does and returns its button with
// that caption once it is shown. The program makes the windows of a page's controls when the page
// first comes to the front, so until then a page's buttons cannot be found.
HWND ShowPageButton(HWND main, int index, std::wstring_view caption);

// Clicks an enabled button whose command opens no box of the program: the click returns once the
// command has run, which a box's modal loop would hold up.
void ClickExpectingNoBox(const ChildProcess& program, HWND button);

// What a right click on the control sends. Posted, because the menu's modal loop would block a
// sent message until the menu closes.
void RightClick(HWND control);

// The program's open menu windows (class #32768), the newest first.
std::vector<HWND> VisibleMenus(DWORD processId);
std::vector<HWND> WaitForMenus(const ChildProcess& program, std::size_t count,
                               std::wstring_view what);
// A key pressed in the innermost open menu; the menu's modal loop takes it from the queue.
void PressMenuKey(const ChildProcess& program, WPARAM key);

// Esc closes the innermost menu. Wine now and then loses a key posted while it still moves the
// menu's selection after a pointer move; a user would press Esc again, and so does this.
void CloseMenus(const ChildProcess& program);

// Moves the mouse pointer to the screen's far corner, away from every window of the program.
// Call it before the program starts: Wine hands a pointer move to the program later, and a move
// that reaches an open menu (or a menu opening under the pointer) changes its selection.
void ParkMousePointer();

// Right-clicks `control`, goes down to the submenu head at `head` (counted from 1), opens its
// submenu (which selects its first item), goes `down` items further (separators are passed over)
// and presses Return. The walk relies on the mouse pointer resting away from the menus
// (ParkMousePointer).
void ChooseFromSubmenu(const ChildProcess& program, HWND control, int head, int down);

}  // namespace zubolo::e2e
