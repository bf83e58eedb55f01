#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace zubolo::e2e {

// Readers for common controls of another process (status bar, tab control, list view).

std::vector<std::wstring> StatusBarTexts(HWND statusBar);
// One status bar panel's text without the tabs that centre it; "<no panel N>" when it has none.
std::wstring StatusPanelText(HWND statusBar, std::size_t index);
std::vector<std::wstring> TabTexts(HWND tabControl);
std::vector<std::wstring> ListViewColumnTexts(HWND listView);
// Every row of a report-style list: its caption followed by the texts of the other columns.
std::vector<std::vector<std::wstring>> ListViewRows(HWND listView);
// The picture index of a row.
int ListViewItemImage(HWND listView, int row);
// Selects the row as a click on it would (the list tells its parent); -1 selects none.
void SelectListViewRow(HWND listView, int row);
// The width of a text in the list's font, without the space the list keeps around it.
int ListViewStringWidth(HWND listView, const std::wstring& text);
// A click on the header of the column: the button pressed and released over it.
void ClickListViewHeader(HWND listView, int column);

}  // namespace zubolo::e2e
