#include "monitor/StatusTexts.h"

#include <string>

#include "common/TimeStamp.h"

namespace zubolo {

std::u16string ClockText(const LocalDateTime& time, std::u16string_view dateSeparator,
                         std::u16string_view timeSeparator) {
    return TimeStampText(time, dateSeparator, timeSeparator, u"  ");
}

}  // namespace zubolo
