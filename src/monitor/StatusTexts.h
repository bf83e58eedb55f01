#pragma once
#include <string>
#include <string_view>

#include "common/NumberPattern.h"
#include "platform/Clock.h"

namespace zubolo {

// The clock of status panel 0, "yyyy/mm/dd  HH:MM:SS" with two blanks in the middle, "/" and ":"
// standing for the user's date and time separators: "2025/03/14  09:05:07".
std::u16string ClockText(const LocalDateTime& time, std::u16string_view dateSeparator,
                         std::u16string_view timeSeparator);

}  // namespace zubolo
