#pragma once
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/DateTimeNames.h"

namespace zubolo {

// A moment as the user's regional settings write it: the date in the short date picture, one
// space and the time in the long time picture; the time is left out when the moment is exactly
// midnight. Pictures follow Windows: in the date d, dd, ddd, dddd, M, MM, MMM, MMMM, y, yy, yyyy
// and g; in the time h, hh, H, HH, m, mm, s, ss, t and tt; text between single quotes is copied,
// '' stands for one quote, and every other character is copied as it is.
std::u16string FormatDateTimeText(const LocalDateTime& moment, std::u16string_view shortDateFormat,
                                  std::u16string_view longTimeFormat, const DateTimeNames& names);

}  // namespace zubolo
