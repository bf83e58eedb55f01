#include "monitor/StatusTexts.h"

#include <string>

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

std::u16string ClockText(const LocalDateTime& time, std::u16string_view dateSeparator,
                         std::u16string_view timeSeparator) {
    std::u16string text = ZeroPadded(time.year, 4);
    text.append(dateSeparator).append(ZeroPadded(time.month, 2));
    text.append(dateSeparator).append(ZeroPadded(time.day, 2));
    text.append(u"  ").append(ZeroPadded(time.hour, 2));
    text.append(timeSeparator).append(ZeroPadded(time.minute, 2));
    text.append(timeSeparator).append(ZeroPadded(time.second, 2));
    return text;
}

}  // namespace zubolo
