#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zubolo::e2e {

// Readers for common controls of another process (status bar, tab control, list view).

std::vector<std::wstring> StatusBarTexts(HWND statusBar);
// The text of one status bar part without the tabs that centre it.
std::wstring StatusPanelText(HWND statusBar, std::size_t index);
std::vector<std::wstring> TabTexts(HWND tabControl);
std::vector<std::wstring> ListViewColumnTexts(HWND listView);

}  // namespace zubolo::e2e
