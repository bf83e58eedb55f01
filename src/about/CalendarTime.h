#pragma once
#include <cstdint>

#include "platform/Clock.h"

namespace zubolo {

inline constexpr std::int64_t MillisecondsPerMinute = 60'000;
inline constexpr std::int64_t MillisecondsPerDay = 86'400'000;

// A moment as milliseconds since 1970-01-01 00:00 of the same clock, for exact sums and
// differences. Fields out of their range are carried over as in ordinary arithmetic.
std::int64_t ToMilliseconds(const LocalDateTime& moment);
LocalDateTime FromMilliseconds(std::int64_t milliseconds);

// The day of the week of the moment's date: 0 Sunday to 6 Saturday.
int WeekdayOf(const LocalDateTime& moment);

}  // namespace zubolo
