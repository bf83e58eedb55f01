#include <gtest/gtest.h>

#include <string>

#include "about/UkraineTime.h"
#include "fakes/FakeLocale.h"

namespace zubolo {
namespace {

struct UkraineCase {
    const char* what;
    LocalDateTime utc;
    std::u16string expected;
};

constexpr std::u16string_view For = u"Peace For Ukraine\r\n";
constexpr std::u16string_view DaylightFor = u"Peace for Ukraine\r\n";
constexpr std::u16string_view Standard = u", Ukraine Standard Time";
constexpr std::u16string_view Daylight = u", Ukraine Standard Time (in Daylight Saving Time)";

std::u16string StandardText(std::u16string_view time) {
    return std::u16string(For) + std::u16string(time) + std::u16string(Standard);
}

std::u16string DaylightText(std::u16string_view time) {
    return std::u16string(DaylightFor) + std::u16string(time) + std::u16string(Daylight);
}

// Ukraine's clocks go forward at 01:00 UTC on the last Sunday of March (30 March 2025) and back
// at 01:00 UTC on the last Sunday of October (26 October 2025).
TEST(UkraineTimeTest, StandardTimeIsUtcPlusTwoAndDaylightSavingAddsAnHour) {
    const FakeLocale noUkrainianData;
    const DateTimeNames names = UkrainianDateTimeWords(noUkrainianData);
    const UkraineCase cases[] = {
        {"the last moment before the change in March",
         {2025, 3, 30, 0, 59, 59, 999},
         StandardText(u"30 березень 2025 неділя 02:59")},
        {"the change in March itself",
         {2025, 3, 30, 1, 0, 0, 0},
         DaylightText(u"30 березень 2025 неділя 04:00")},
        {"the last moment before the change in October",
         {2025, 10, 26, 0, 59, 59, 999},
         DaylightText(u"26 жовтень 2025 неділя 03:59")},
        {"the change in October itself",
         {2025, 10, 26, 1, 0, 0, 0},
         StandardText(u"26 жовтень 2025 неділя 03:00")},
        {"the hour after the change in October is standard time again",
         {2025, 10, 26, 1, 30, 0, 0},
         StandardText(u"26 жовтень 2025 неділя 03:30")},
        {"29 February", {2024, 2, 29, 12, 0, 0, 0}, StandardText(u"29 лютий 2024 четвер 14:00")},
        {"a summer evening runs into the next day",
         {2025, 7, 15, 21, 30, 0, 0},
         DaylightText(u"16 липень 2025 середа 00:30")},
        {"New Year's Eve in UTC is New Year's Day in Ukraine",
         {2024, 12, 31, 22, 30, 0, 0},
         StandardText(u"1 січень 2025 середа 00:30")},
        {"the last Sunday of March is the 31st",
         {2024, 3, 31, 1, 0, 0, 0},
         DaylightText(u"31 березень 2024 неділя 04:00")},
        {"the last Sunday of October is the 27th",
         {2024, 10, 27, 0, 59, 0, 0},
         DaylightText(u"27 жовтень 2024 неділя 03:59")},
    };
    for (const UkraineCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(GetUkraineTimeText(c.utc, names), c.expected);
    }
}

TEST(UkraineTimeTest, NamesComeFromTheSystemsUkrainianLocaleWhenItHasThemAll) {
    FakeLocale locale;
    DateTimeNames system;
    system.dayNames = {u"D0", u"D1", u"D2", u"D3", u"D4", u"D5", u"D6"};
    system.monthNames = {u"M1", u"M2", u"M3", u"M4",  u"M5",  u"M6",
                         u"M7", u"M8", u"M9", u"M10", u"M11", u"M12"};
    locale.otherLocales[UkrainianLcid] = system;

    EXPECT_EQ(GetUkraineTimeText({2025, 12, 5, 10, 0, 0, 0}, UkrainianDateTimeWords(locale)),
              StandardText(u"5 M12 2025 D5 12:00"));

    // A system that lacks a name: the program's own table serves instead.
    system.monthNames[11].clear();
    locale.otherLocales[UkrainianLcid] = system;
    EXPECT_EQ(GetUkraineTimeText({2025, 12, 5, 10, 0, 0, 0}, UkrainianDateTimeWords(locale)),
              StandardText(u"5 грудень 2025 пʼятниця 12:00"));
}

}  // namespace
}  // namespace zubolo
