#pragma once
#include <string>
#include <vector>

namespace zubolo::e2e {

// The program's own web addresses and maker lines, as its About box and help page use them.
inline constexpr wchar_t MakerNoticeLine[] =
    L"Copyright (C) 2022-2025 Quorvane. All rights reserved.";
inline constexpr wchar_t MakerMailAddress[] = L"zubolo@quorvane.example";
inline constexpr wchar_t MakerHomePageUrl[] = L"https://quorvane.example/";
inline constexpr wchar_t DownloadPageUrl[] = L"https://downloads.example/windows/utilities/zubolo/";

// Checks the About box's text, split at its line breaks, against what this machine says: the
// program file's name, path and version resource, the screen and its resolution, the time since
// a start moments ago, the maker's lines and the time in Ukraine from the system's clock and its
// Ukrainian month and day names.
void CheckAboutLines(const std::vector<std::wstring>& lines, const std::wstring& programPath);

}  // namespace zubolo::e2e
