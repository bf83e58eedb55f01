#include "common/NumberPattern.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace zubolo {

namespace {

// Every finite double is a whole multiple of 2^-1074, so this many decimals write it exactly.
constexpr int ExactFractionDigits = 1074;
constexpr int MaxIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;

struct RoundedNumber {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
};

void AddOneToLastDigit(std::string& digits) {
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Rounds a finite value to `decimals` places, halves away from zero. The exact decimal expansion
// of the double is written first, so the digit after the last kept one tells the whole story:
// 5 or more means at least half, and the magnitude goes up.
RoundedNumber Round(double value, int decimals) {
    std::array<char, MaxIntegerDigits + 1 + ExactFractionDigits> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                    std::chars_format::fixed, ExactFractionDigits)
                          .ptr;
    const std::string_view exact(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = exact.find('.');
    const auto kept = static_cast<std::size_t>(decimals);

    std::string digits(exact.substr(0, point));
    digits += exact.substr(point + 1, kept);
    if (exact[point + 1 + kept] >= '5') AddOneToLastDigit(digits);

    RoundedNumber rounded;
    rounded.negative = std::signbit(value) && digits.find_first_not_of('0') != std::string::npos;
    rounded.integerDigits = digits.substr(0, digits.size() - kept);
    rounded.fractionDigits = digits.substr(digits.size() - kept);
    return rounded;
}

std::u16string Widen(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

std::u16string GroupDigits(std::string_view digits, std::u16string_view separator) {
    std::u16string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += static_cast<char16_t>(digits[i]);
    }
    return grouped;
}

std::u16string NonFiniteText(double value) {
    if (std::isnan(value)) return u"NaN";
    return value < 0 ? u"-INF" : u"INF";
}

}  // namespace

std::u16string FormatGrouped(double value, const NumberSeparators& separators) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const RoundedNumber rounded = Round(value, 0);
    std::u16string text(rounded.negative ? u"-" : u"");
    return text.append(GroupDigits(rounded.integerDigits, separators.thousands));
}

std::u16string FormatGroupedInParentheses(double value, const NumberSeparators& separators) {
    std::u16string text(u"(");
    return text.append(FormatGrouped(value, separators)).append(u")");
}

std::u16string FormatGroupedAfterSpace(double value, const NumberSeparators& separators) {
    std::u16string text(u" ");
    return text.append(FormatGrouped(value, separators));
}

std::u16string FormatPercent(double alreadyTimes100, int decimals,
                             const NumberSeparators& separators) {
    if (!std::isfinite(alreadyTimes100)) return NonFiniteText(alreadyTimes100).append(u"%");
    const RoundedNumber rounded =
        Round(alreadyTimes100, std::clamp(decimals, 0, ExactFractionDigits - 1));
    std::u16string text(rounded.negative ? u"-" : u"");
    text.append(Widen(rounded.integerDigits));
    if (!rounded.fractionDigits.empty()) {
        text.append(separators.decimal).append(Widen(rounded.fractionDigits));
    }
    return text.append(u"%");
}

std::u16string RecycleBinText(std::uint64_t itemCount, std::uint64_t totalSize,
                              const NumberSeparators& separators) {
    return FormatGroupedInParentheses(static_cast<double>(itemCount), separators) +
           FormatGroupedAfterSpace(static_cast<double>(totalSize), separators);
}

}  // namespace zubolo
