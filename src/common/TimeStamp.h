#pragma once
#include <string>
#include <string_view>

#include "common/LocalDateTime.h"

namespace zubolo {

// A moment as "yyyy/mm/dd HH:NN:SS": the year with four digits, every other field with two, on
// the 24-hour clock; "/" stands for `dateSeparator`, ":" for `timeSeparator` and the blank for
// `gap`. For example "2025/03/01 09:05:07".
std::u16string TimeStampText(const LocalDateTime& moment, std::u16string_view dateSeparator,
                             std::u16string_view timeSeparator, std::u16string_view gap);

}  // namespace zubolo
