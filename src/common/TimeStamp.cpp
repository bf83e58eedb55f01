#include "common/TimeStamp.h"

namespace zubolo {

namespace {

// The number with leading zeros up to `width` digits.
std::u16string ZeroPadded(int value, std::size_t width) {
    const std::string digits = std::to_string(value);
    std::u16string text(digits.size() < width ? width - digits.size() : 0, u'0');
    text.append(digits.begin(), digits.end());
    return text;
}

}  // namespace

std::u16string TimeStampText(const LocalDateTime& moment, std::u16string_view dateSeparator,
                             std::u16string_view timeSeparator, std::u16string_view gap) {
    std::u16string text = ZeroPadded(moment.year, 4);
    text.append(dateSeparator).append(ZeroPadded(moment.month, 2));
    text.append(dateSeparator).append(ZeroPadded(moment.day, 2));
    text.append(gap).append(ZeroPadded(moment.hour, 2));
    text.append(timeSeparator).append(ZeroPadded(moment.minute, 2));
    text.append(timeSeparator).append(ZeroPadded(moment.second, 2));
    return text;
}

}  // namespace zubolo
