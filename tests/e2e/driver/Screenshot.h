#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zubolo::e2e {

// Repaints the window, copies its area of the screen and writes it as a 24-bit BMP file
// (the test script turns it into PNG).
void SaveWindowScreenshot(HWND window, const std::wstring& bmpPath);
// The same for the smallest rectangle holding all these windows (a window and its open menus).
void SaveWindowsScreenshot(const std::vector<HWND>& windows, const std::wstring& bmpPath);

}  // namespace zubolo::e2e
