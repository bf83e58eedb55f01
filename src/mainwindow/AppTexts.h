#pragma once
#include <string_view>

namespace zubolo {

// The program's name as users see it: application title and window caption.
inline constexpr std::u16string_view AppDisplayName = u"ずぼろ";
inline constexpr std::u16string_view AppVersion = u"V2.0";

}  // namespace zubolo
