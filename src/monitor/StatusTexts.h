#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "common/NumberPattern.h"
#include "platform/Clock.h"

namespace zubolo {

// The Recycle Bin text of status panel 1: the count as "(#,0)" followed by the size as " #,0",
// for example "(1,234) 5,678,901". Both are written through a double, like every number shown.
std::u16string RecycleBinText(std::uint64_t itemCount, std::uint64_t totalSize,
                              const NumberSeparators& separators);

// The clock of status panel 0, "yyyy/mm/dd  HH:MM:SS" with two blanks in the middle, "/" and ":"
// standing for the user's date and time separators: "2025/03/14  09:05:07".
std::u16string ClockText(const LocalDateTime& time, std::u16string_view dateSeparator,
                         std::u16string_view timeSeparator);

}  // namespace zubolo
