#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/NumberPattern.h"

namespace zubolo {
namespace {

const NumberSeparators CommaPoint{u",", u"."};

struct GroupedCase {
    double value;
    NumberSeparators separators;
    std::u16string expected;
};

TEST(NumberPatternTest, GroupedWritesTheRoundedWholeNumberInGroupsOfThree) {
    const double twoTo53 = 9007199254740992.0;
    const GroupedCase cases[] = {
        {0, CommaPoint, u"0"},
        {-0.0, CommaPoint, u"0"},
        {7, CommaPoint, u"7"},
        {999, CommaPoint, u"999"},
        {1000, CommaPoint, u"1,000"},
        {123456, CommaPoint, u"123,456"},
        {1234567, CommaPoint, u"1,234,567"},
        {-1234, CommaPoint, u"-1,234"},
        {-999, CommaPoint, u"-999"},
        {2147483648.0, CommaPoint, u"2,147,483,648"},
        // Halves go away from zero, also where a bank would round to the even neighbour.
        {0.5, CommaPoint, u"1"},
        {2.5, CommaPoint, u"3"},
        {-2.5, CommaPoint, u"-3"},
        {999.5, CommaPoint, u"1,000"},
        {2.4999999999999996, CommaPoint, u"2"},
        {-0.4, CommaPoint, u"0"},
        // Large values keep every digit, with no exponent.
        {twoTo53 - 1, CommaPoint, u"9,007,199,254,740,991"},
        {twoTo53, CommaPoint, u"9,007,199,254,740,992"},
        {twoTo53 + 2, CommaPoint, u"9,007,199,254,740,994"},
        {4503599627370495.5, CommaPoint, u"4,503,599,627,370,496"},
        {18446744073709551616.0, CommaPoint, u"18,446,744,073,709,551,616"},
        {1e20, CommaPoint, u"100,000,000,000,000,000,000"},
        // Whatever the user's thousands separator is, every three digits.
        {1234567, {u".", u","}, u"1.234.567"},
        {1234567, {u"\u00A0", u","}, u"1\u00A0234\u00A0567"},
        {1234567, {u"'", u"."}, u"1'234'567"},
        {1234567, {u"<>", u"."}, u"1<>234<>567"},
        {1234567, {u"", u"."}, u"1234567"},
        {123, {u".", u","}, u"123"},
    };
    for (const GroupedCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << std::fixed << c.value);
        EXPECT_EQ(FormatGrouped(c.value, c.separators), c.expected);
    }
}

TEST(NumberPatternTest, ParenthesesAndLeadingSpaceWrapTheGroupedNumber) {
    EXPECT_EQ(FormatGroupedInParentheses(1234, CommaPoint), u"(1,234)");
    EXPECT_EQ(FormatGroupedInParentheses(0, CommaPoint), u"(0)");
    EXPECT_EQ(FormatGroupedAfterSpace(5678901, CommaPoint), u" 5,678,901");
    EXPECT_EQ(FormatGroupedAfterSpace(-5, CommaPoint), u" -5");
}

struct PercentCase {
    double value;
    int decimals;
    NumberSeparators separators;
    std::u16string expected;
};

TEST(NumberPatternTest, PercentRoundsTheExactValueWithHalvesAwayFromZero) {
    const PercentCase cases[] = {
        {0, 1, CommaPoint, u"0.0%"},
        {0, 2, CommaPoint, u"0.00%"},
        {50, 1, CommaPoint, u"50.0%"},
        {256055095296.0 / 512110190592.0 * 100, 1, CommaPoint, u"50.0%"},
        {1048576.0 / 512110190592.0 * 100, 2, CommaPoint, u"0.00%"},
        {100, 2, CommaPoint, u"100.00%"},
        // Exact halves in binary go up.
        {0.25, 1, CommaPoint, u"0.3%"},
        {0.125, 2, CommaPoint, u"0.13%"},
        {0.375, 2, CommaPoint, u"0.38%"},
        {-0.125, 2, CommaPoint, u"-0.13%"},
        // Decimal halves that the double holds slightly low go down, even where multiplying by
        // 100 in double would land on the half exactly (0.015 * 100 == 1.5).
        {0.35, 1, CommaPoint, u"0.3%"},
        {1.005, 2, CommaPoint, u"1.00%"},
        {0.015, 2, CommaPoint, u"0.01%"},
        // Rounding carries into the integer digits.
        {9.96, 1, CommaPoint, u"10.0%"},
        {99.999, 2, CommaPoint, u"100.00%"},
        // No grouping, and no minus sign on a value that rounds to zero.
        {1234.5, 1, CommaPoint, u"1234.5%"},
        {-0.004, 2, CommaPoint, u"0.00%"},
        // The user's decimal separator.
        {50, 1, {u".", u","}, u"50,0%"},
        {12.5, 2, {u",", u"\u066B"}, u"12\u066B50%"},
        // Out-of-range decimals do not break anything.
        {2.5, 0, CommaPoint, u"3%"},
        {2.5, -1, CommaPoint, u"3%"},
    };
    for (const PercentCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value << ", decimals " << c.decimals);
        EXPECT_EQ(FormatPercent(c.value, c.decimals, c.separators), c.expected);
    }
}

TEST(NumberPatternTest, HugeDecimalCountsAreBoundedAndExact) {
    const std::u16string text = FormatPercent(0.1, 100000, CommaPoint);
    // 0.1 is stored as 0.1000000000000000055511151231257827..., written out to its last digit.
    EXPECT_EQ(text.substr(0, 22), u"0.10000000000000000555");
    EXPECT_EQ(text.size(), 2 + 1073 + 1);  // "0.", the most digits a double needs, "%"
}

TEST(NumberPatternTest, ValuesThatAreNotNumbersAreWrittenAsWords) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatGrouped(std::nan(""), CommaPoint), u"NaN");
    EXPECT_EQ(FormatGrouped(infinity, CommaPoint), u"INF");
    EXPECT_EQ(FormatGroupedInParentheses(-infinity, CommaPoint), u"(-INF)");
    EXPECT_EQ(FormatPercent(std::nan(""), 1, CommaPoint), u"NaN%");
}

}  // namespace
}  // namespace zubolo
