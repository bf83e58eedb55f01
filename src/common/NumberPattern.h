#pragma once
#include <cstdint>
#include <string>

namespace zubolo {

// The user's separators for written numbers, as the locale gives them (each may be several
// characters long, or empty).
struct NumberSeparators {
    std::u16string thousands;
    std::u16string decimal;
};

// Numbers are written from a double. Rounding looks at the exact binary value of that double and
// sends halves away from zero: 2.5 becomes 3 and 0.125 becomes 0.13, because both are stored
// exactly, while 1.005 becomes 1.00, because the double nearest to it lies just below the half.
// Nothing is scaled by powers of ten on the way, so no second rounding can push a value across a
// half. Whole numbers up to 2^64 and beyond are written with all their digits. A minus sign is
// written only when the rounded value is not zero. A value that is not a number is written as
// "NaN", an infinite one as "INF" or "-INF", in place of the digits.

// "#,0": the rounded whole number with the thousands separator between every three digits.
std::u16string FormatGrouped(double value, const NumberSeparators& separators);

// "(#,0)": the same inside parentheses.
std::u16string FormatGroupedInParentheses(double value, const NumberSeparators& separators);

// " #,0": the same after one space.
std::u16string FormatGroupedAfterSpace(double value, const NumberSeparators& separators);

// "#0.0%" (decimals 1) and "#0.00%" (decimals 2): at least one integer digit, no grouping, the
// decimal separator and exactly `decimals` digits, then "%". The value is already a percentage.
// Decimals are kept within 0 and 1073, the most a double can need.
std::u16string FormatPercent(double alreadyTimes100, int decimals,
                             const NumberSeparators& separators);

// A Recycle Bin's items and bytes as status panel 1 and the drive table show them: the count as
// "(#,0)" followed by the size as " #,0", for example "(1,234) 5,678,901".
std::u16string RecycleBinText(std::uint64_t itemCount, std::uint64_t totalSize,
                              const NumberSeparators& separators);

}  // namespace zubolo
