#pragma once
#include <string_view>

namespace zubolo {

// Who makes the program and where it lives on the web: the About box shows the first three
// lines, the help page's buttons open the two pages of the maker, and the About box's icon opens
// the program's page on the download site.
inline constexpr std::u16string_view MakerNoticeLine =
    u"Copyright (C) 2022-2025 Quorvane. All rights reserved.";
inline constexpr std::u16string_view MakerMailAddress = u"zubolo@quorvane.example";
inline constexpr std::u16string_view MakerHomePageUrl = u"https://quorvane.example/";
inline constexpr std::u16string_view MakerSupportPageUrl = u"https://quorvane.example/support/";
inline constexpr std::u16string_view DownloadPageUrl =
    u"https://downloads.example/windows/utilities/zubolo/";

}  // namespace zubolo
