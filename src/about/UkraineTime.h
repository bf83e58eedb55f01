#pragma once
#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/DateTimeNames.h"

namespace zubolo {

class Locale;

// Windows' identifier of the locale Ukrainian (Ukraine).
inline constexpr std::uint32_t UkrainianLcid = 0x0422;

// The month and weekday names of Ukrainian (Ukraine) as the system has them, or, where it has
// none (or not all of them), the program's own table of the same names.
DateTimeNames UkrainianDateTimeWords(const Locale& locale);

// The two lines of the time in Ukraine for the About box, from the current time in UTC:
// "Peace For Ukraine" and "<d mmmm yyyy dddd hh:nn>, Ukraine Standard Time" in standard time
// (UTC+2), or "Peace for Ukraine" and "<...>, Ukraine Standard Time (in Daylight Saving Time)"
// with the time an hour later while daylight saving is in effect. Daylight saving runs from
// 01:00 UTC on the last Sunday of March to 01:00 UTC on the last Sunday of October, as Ukraine
// changes its clocks. The lines are separated by CR LF.
std::u16string GetUkraineTimeText(const LocalDateTime& utcNow, const DateTimeNames& names);

}  // namespace zubolo
