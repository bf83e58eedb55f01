#pragma once
#include <string>
#include <string_view>

namespace zubolo {

// The portable code keeps text as UTF-16 in std::u16string; on Windows wchar_t is the same
// 16-bit unit, so crossing into the Win32 API is a plain copy made in one place.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Win32 layer needs 16-bit wchar_t");

inline std::wstring ToWide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

inline std::u16string FromWide(std::wstring_view text) {
    return {text.begin(), text.end()};
}

}  // namespace zubolo
