#include "about/UkraineTime.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "about/CalendarTime.h"
#include "common/DecimalText.h"
#include "platform/Locale.h"

namespace zubolo {
namespace {

constexpr std::int64_t StandardOffset = 120 * MillisecondsPerMinute;  // UTC+2
constexpr std::int64_t DaylightSaving = 60 * MillisecondsPerMinute;

// Ukraine changes its clocks at 03:00 standard time (01:00 UTC) on both days.
constexpr int ChangeHour = 3;
constexpr int March = 3;
constexpr int October = 10;
constexpr int Sunday = 0;

constexpr std::u16string_view DaylightHead = u"Peace for Ukraine\r\n";
constexpr std::u16string_view StandardHead = u"Peace For Ukraine\r\n";
constexpr std::u16string_view DaylightTail = u", Ukraine Standard Time (in Daylight Saving Time)";
constexpr std::u16string_view StandardTail = u", Ukraine Standard Time";

// The program's own copy of the names the text needs, for systems without Ukrainian locale data.
DateTimeNames BuiltInUkrainianNames() {
    DateTimeNames names;
    names.dayNames = {u"неділя", u"понеділок", u"вівторок", u"середа",
                      u"четвер", u"пʼятниця",  u"субота"};
    names.monthNames = {u"січень", u"лютий",   u"березень", u"квітень", u"травень",  u"червень",
                        u"липень", u"серпень", u"вересень", u"жовтень", u"листопад", u"грудень"};
    return names;
}

// In standard time: the last Sunday of the month at 03:00.
std::int64_t ChangeMoment(int year, int month) {
    LocalDateTime day = FromMilliseconds(ToMilliseconds({year, month + 1, 1}) - MillisecondsPerDay);
    while (WeekdayOf(day) != Sunday)
        day = FromMilliseconds(ToMilliseconds(day) - MillisecondsPerDay);
    day.hour = ChangeHour;
    return ToMilliseconds(day);
}

// "d mmmm yyyy dddd hh:nn": day without leading zero, month name, four-digit year, weekday name,
// hour and minute with two digits each.
std::u16string Formatted(std::int64_t milliseconds, const DateTimeNames& names) {
    const LocalDateTime t = FromMilliseconds(milliseconds);
    const int weekday = WeekdayOf(t);
    return DecimalText(t.day) + u" " + names.monthNames[static_cast<std::size_t>(t.month - 1)] +
           u" " + DecimalText(t.year, 4) + u" " +
           names.dayNames[static_cast<std::size_t>(weekday)] + u" " + DecimalText(t.hour, 2) +
           u":" + DecimalText(t.minute, 2);
}

bool HasEveryName(const DateTimeNames& names) {
    const auto present = [](const std::u16string& name) { return !name.empty(); };
    return std::all_of(names.monthNames.begin(), names.monthNames.end(), present) &&
           std::all_of(names.dayNames.begin(), names.dayNames.end(), present);
}

}  // namespace

DateTimeNames UkrainianDateTimeWords(const Locale& locale) {
    const std::optional<DateTimeNames> system = locale.DateTimeWordsOf(UkrainianLcid);
    return system && HasEveryName(*system) ? *system : BuiltInUkrainianNames();
}

std::u16string GetUkraineTimeText(const LocalDateTime& utcNow, const DateTimeNames& names) {
    const std::int64_t standard = ToMilliseconds(utcNow) + StandardOffset;
    const int year = FromMilliseconds(standard).year;
    const bool daylightSaving =
        ChangeMoment(year, March) <= standard && standard < ChangeMoment(year, October);
    if (daylightSaving) {
        return std::u16string(DaylightHead) + Formatted(standard + DaylightSaving, names) +
               std::u16string(DaylightTail);
    }
    return std::u16string(StandardHead) + Formatted(standard, names) + std::u16string(StandardTail);
}

}  // namespace zubolo
