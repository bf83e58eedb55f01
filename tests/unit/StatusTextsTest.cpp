#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "fakes/FakeLocale.h"
#include "monitor/StatusTexts.h"

namespace zubolo {
namespace {

const NumberSeparators CommaPoint{u",", u"."};

struct RecycleBinCase {
    std::uint64_t count;
    std::uint64_t size;
    std::u16string expected;
};

TEST(StatusTextsTest, RecycleBinTextIsCountInParenthesesThenSize) {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const RecycleBinCase cases[] = {
        {0, 0, u"(0) 0"},
        {1234, 5678901, u"(1,234) 5,678,901"},
        {3, 1048576, u"(3) 1,048,576"},
        // Counts beyond 2^31 - 1 are shown in full.
        {2147483648u, 0, u"(2,147,483,648) 0"},
        {4294967296u + 5, 1, u"(4,294,967,301) 1"},
        // Through a double, as every number shown: 2^64 - 1 is written as 2^64.
        {max, max, u"(18,446,744,073,709,551,616) 18,446,744,073,709,551,616"},
    };
    for (const RecycleBinCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " items, " << c.size << " bytes");
        EXPECT_EQ(RecycleBinText(c.count, c.size, CommaPoint), c.expected);
    }
}

TEST(StatusTextsTest, RecycleBinTextUsesTheUsersThousandsSeparator) {
    FakeLocale locale;
    locale.thousands = u".";
    locale.decimal = u",";
    const NumberSeparators separators = UserNumberSeparators(locale);

    EXPECT_EQ(RecycleBinText(1234, 5678901, separators), u"(1.234) 5.678.901");
    EXPECT_EQ(FormatPercent(50, 1, separators), u"50,0%");
}

struct ClockCase {
    LocalDateTime time;
    std::u16string dateSeparator;
    std::u16string timeSeparator;
    std::u16string expected;
};

TEST(StatusTextsTest, ClockTextPadsEveryFieldAndUsesTheUsersSeparators) {
    const ClockCase cases[] = {
        {{2025, 3, 14, 9, 5, 7, 0}, u"/", u":", u"2025/03/14  09:05:07"},
        {{2000, 1, 1, 0, 0, 0, 999}, u"/", u":", u"2000/01/01  00:00:00"},
        {{1999, 12, 31, 23, 59, 59, 0}, u"/", u":", u"1999/12/31  23:59:59"},
        {{2025, 3, 14, 9, 5, 7, 0}, u"-", u".", u"2025-03-14  09.05.07"},
        {{2025, 3, 14, 9, 5, 7, 0}, u"", u"", u"20250314  090507"},
        {{987, 6, 5, 4, 3, 2, 1}, u"/", u":", u"0987/06/05  04:03:02"},
    };
    for (const ClockCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.time.year << "-" << c.time.month << "-" << c.time.day);
        EXPECT_EQ(ClockText(c.time, c.dateSeparator, c.timeSeparator), c.expected);
    }
}

}  // namespace
}  // namespace zubolo
