#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace zubolo::e2e {

// Readers for common controls of another process (status bar, tab control, list view).

std::vector<std::wstring> StatusBarTexts(HWND statusBar);
// One status bar panel's text without the tabs that centre it; "<no panel N>" when it has none.
std::wstring StatusPanelText(HWND statusBar, std::size_t index);
std::vector<std::wstring> TabTexts(HWND tabControl);
std::vector<std::wstring> ListViewColumnTexts(HWND listView);

}  // namespace zubolo::e2e
