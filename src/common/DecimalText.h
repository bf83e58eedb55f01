#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace zubolo {

// A whole number in plain decimal digits, without grouping, with leading zeros up to
// `minimumDigits`: DecimalText(7, 2) is "07", DecimalText(-5) is "-5".
inline std::u16string DecimalText(std::int64_t value, std::size_t minimumDigits = 1) {
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::u16string digits;
    for (std::uint64_t rest = magnitude; rest != 0 || digits.empty(); rest /= 10) {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + rest % 10));
    }
    if (digits.size() < minimumDigits) digits.insert(0, minimumDigits - digits.size(), u'0');
    return value < 0 ? u"-" + digits : digits;
}

}  // namespace zubolo
