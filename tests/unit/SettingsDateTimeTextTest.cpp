#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "settings/DateTimeText.h"

namespace zubolo {
namespace {

DateTimeNames EnglishNames() {
    return {{u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
            {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"},
            {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
             u"September", u"October", u"November", u"December"},
            {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov",
             u"Dec"},
            u"AM",
            u"PM",
            u"A.D."};
}

struct DateTimeCase {
    LocalDateTime moment;
    std::u16string_view shortDate;
    std::u16string_view longTime;
    std::u16string_view expected;
};

TEST(SettingsDateTimeTextTest, WritesTheUsersShortDateAndLongTime) {
    const DateTimeCase cases[] = {
        // Japanese defaults.
        {{2024, 3, 5, 21, 7, 2, 0}, u"yyyy/MM/dd", u"H:mm:ss", u"2024/03/05 21:07:02"},
        {{2024, 3, 5, 9, 7, 2, 0}, u"yyyy/MM/dd", u"HH:mm:ss", u"2024/03/05 09:07:02"},
        // United States: 12-hour clock with designators; noon and midnight hour are 12.
        {{2024, 3, 5, 21, 7, 2, 0}, u"M/d/yyyy", u"h:mm:ss tt", u"3/5/2024 9:07:02 PM"},
        {{2024, 12, 25, 0, 30, 0, 0}, u"M/d/yyyy", u"hh:mm:ss t", u"12/25/2024 12:30:00 A"},
        {{2024, 12, 25, 12, 0, 9, 0}, u"M/d/yyyy", u"h:m:s tt", u"12/25/2024 12:0:9 PM"},
        // Names; 2024-03-05 was a Tuesday and 2000-01-01 a Saturday.
        {{2024, 3, 5, 1, 0, 0, 0}, u"ddd, MMM d yy", u"H", u"Tue, Mar 5 24 1"},
        {{2000, 1, 1, 1, 0, 0, 0}, u"dddd d MMMM y g", u"H", u"Saturday 1 January 0 A.D. 1"},
        {{2009, 8, 9, 1, 0, 0, 0}, u"y.M.d", u"H", u"9.8.9 1"},
        // Quoted text is copied, '' is one quote, other letters stay as they are.
        {{2024, 3, 5, 15, 4, 0, 0},
         u"'day' d 'of' M",
         u"h 'o''clock' ''m'' x",
         u"day 5 of 3 3 o'clock '4' x"},
        {{2024, 3, 5, 15, 4, 0, 0}, u"yyyy年M月d日", u"H時m分", u"2024年3月5日 15時4分"},
        {{2024, 3, 5, 15, 4, 0, 0}, u"'open", u"H", u"open 15"},
    };
    const DateTimeNames names = EnglishNames();
    for (const DateTimeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.expected)));
        EXPECT_EQ(FormatDateTimeText(c.moment, c.shortDate, c.longTime, names), c.expected);
    }
}

TEST(SettingsDateTimeTextTest, LeavesTheTimeOutOnlyAtExactlyMidnight) {
    const DateTimeNames names = EnglishNames();
    EXPECT_EQ(FormatDateTimeText({2024, 3, 5, 0, 0, 0, 0}, u"yyyy/MM/dd", u"H:mm:ss", names),
              u"2024/03/05");
    EXPECT_EQ(FormatDateTimeText({2024, 3, 5, 0, 0, 0, 1}, u"yyyy/MM/dd", u"H:mm:ss", names),
              u"2024/03/05 0:00:00");
    EXPECT_EQ(FormatDateTimeText({2024, 3, 5, 0, 0, 1, 0}, u"yyyy/MM/dd", u"H:mm:ss", names),
              u"2024/03/05 0:00:01");
}

TEST(SettingsDateTimeTextTest, FieldsOutOfRangeGiveNoNameInsteadOfFailing) {
    EXPECT_EQ(FormatDateTimeText({2024, 13, 40, 1, 0, 0, 0}, u"ddd MMMM d", u"H", EnglishNames()),
              u"  40 1");
}

}  // namespace
}  // namespace zubolo
