#include "about/CalendarTime.h"

namespace zubolo {
namespace {

// Floor division, so that moments before 1970 fall into the right day.
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar; a month out of 1..12 is
// carried into the year first.
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year += FloorDiv(month - 1, 12);
    month = month - 1 - FloorDiv(month - 1, 12) * 12 + 1;
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

}  // namespace

std::int64_t ToMilliseconds(const LocalDateTime& moment) {
    const std::int64_t days = DaysFromCivil(moment.year, moment.month, moment.day);
    return days * MillisecondsPerDay + std::int64_t{moment.hour} * 3'600'000 +
           std::int64_t{moment.minute} * MillisecondsPerMinute +
           std::int64_t{moment.second} * 1000 + moment.millisecond;
}

LocalDateTime FromMilliseconds(std::int64_t milliseconds) {
    const std::int64_t days = FloorDiv(milliseconds, MillisecondsPerDay);
    const std::int64_t ofDay = milliseconds - days * MillisecondsPerDay;
    const CivilDate date = CivilFromDays(days);
    return {static_cast<int>(date.year),
            date.month,
            date.day,
            static_cast<int>(ofDay / 3'600'000),
            static_cast<int>(ofDay / MillisecondsPerMinute % 60),
            static_cast<int>(ofDay / 1000 % 60),
            static_cast<int>(ofDay % 1000)};
}

int WeekdayOf(const LocalDateTime& moment) {
    // 1970-01-01 was a Thursday.
    const std::int64_t days = DaysFromCivil(moment.year, moment.month, moment.day) + 4;
    return static_cast<int>(days - FloorDiv(days, 7) * 7);
}

}  // namespace zubolo
