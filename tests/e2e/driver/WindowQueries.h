#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace zubolo::e2e {

// Every top-level window, hidden ones included, in z-order from the top.
std::vector<HWND> TopLevelWindows();
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// The first top-level window of the process with that class, or nullptr.
HWND FindTopLevel(DWORD processId, std::wstring_view className);
// Every descendant of parent with that class, in creation order.
std::vector<HWND> DescendantsOfClass(HWND parent, std::wstring_view className);

// The window's rectangle on the screen, its client area (from 0, 0) and the screen point in the
// middle of it.
RECT ScreenRectOf(HWND window);
RECT ClientRectOf(HWND window);
POINT CentreOf(HWND window);

std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
DWORD ProcessOf(HWND window);

}  // namespace zubolo::e2e
