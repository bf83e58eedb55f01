#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "settings/IniValues.h"

namespace zubolo {
namespace {

constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

struct IntegerCase {
    std::u16string_view text;
    std::optional<std::int32_t> expected;
};

TEST(SettingsIniValuesTest, ParsesDecimalAndHexadecimalWithinThirtyTwoBits) {
    const IntegerCase cases[] = {
        {u"0", 0},
        {u"42", 42},
        {u"+7", 7},
        {u"-5", -5},
        {u"007", 7},
        {u"0x1", 1},
        {u"0X1f", 31},
        {u"$1", 1},
        {u"$fF", 255},
        {u"-$10", -16},
        {u"2147483647", Max},
        {u"-2147483648", Min},
        {u"$7FFFFFFF", Max},
        {u"-0x80000000", Min},
        // Out of range, in either notation.
        {u"2147483648", std::nullopt},
        {u"-2147483649", std::nullopt},
        {u"$80000000", std::nullopt},
        {u"99999999999999999999", std::nullopt},
        // Anything else.
        {u"", std::nullopt},
        {u"one", std::nullopt},
        {u"-", std::nullopt},
        {u"$", std::nullopt},
        {u"0x", std::nullopt},
        {u"12a", std::nullopt},
        {u"1f", std::nullopt},
        {u" 1", std::nullopt},
        {u"1.0", std::nullopt},
        {u"--1", std::nullopt},
        {u"$-1", std::nullopt},
        {u"１", std::nullopt},  // full-width digit
    };
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.text)));
        EXPECT_EQ(ParseIniInteger(c.text), c.expected);
    }
}

TEST(SettingsIniValuesTest, WritesPlainDecimalThatReadsBack) {
    for (const std::int32_t value : {0, 1, -1, 1080, Min, Max}) {
        EXPECT_EQ(ParseIniInteger(FormatIniInteger(value)), value);
    }
    EXPECT_EQ(FormatIniInteger(-32000), u"-32000");
}

}  // namespace
}  // namespace zubolo
