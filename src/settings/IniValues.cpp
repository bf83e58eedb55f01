#include "settings/IniValues.h"

#include <string>

namespace zubolo {

namespace {

// The digit's value in `base` (10 or 16), or -1 when it is no digit of that base.
int DigitValue(char16_t c, int base) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (base == 16 && c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (base == 16 && c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::u16string_view text) {
    bool negative = false;
    if (text.starts_with(u'-') || text.starts_with(u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with(u'$')) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with(u"0x") || text.starts_with(u"0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;

    const std::int64_t largest = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (const char16_t c : text) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > largest) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::u16string FormatIniInteger(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

}  // namespace zubolo
