#include "settings/DateTimeText.h"

#include <array>
#include <cstddef>
#include <string>

namespace zubolo {

namespace {

std::u16string Number(int value, std::size_t minimumDigits) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < minimumDigits) digits.insert(0, minimumDigits - digits.size(), '0');
    if (value < 0) digits.insert(0, 1, '-');
    return {digits.begin(), digits.end()};
}

// The name at `index` (from 0), or nothing for an index that names no entry.
template <std::size_t Size>
std::u16string NameAt(const std::array<std::u16string, Size>& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < Size ? names[index] : std::u16string();
}

// 0 for Sunday. Sakamoto's method for the Gregorian calendar.
int DayOfWeek(int year, int month, int day) {
    static constexpr std::array<int, 12> MonthOffsets{0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > 12) return -1;
    if (month < 3) --year;
    const int sum = year + year / 4 - year / 100 + year / 400 + MonthOffsets[month - 1] + day;
    return (sum % 7 + 7) % 7;
}

std::u16string DateField(const LocalDateTime& moment, char16_t letter, std::size_t count,
                         const DateTimeNames& names) {
    switch (letter) {
        case u'd': {
            if (count <= 2) return Number(moment.day, count);
            const int weekday = DayOfWeek(moment.year, moment.month, moment.day);
            return NameAt(count == 3 ? names.abbreviatedDayNames : names.dayNames, weekday);
        }
        case u'M':
            if (count <= 2) return Number(moment.month, count);
            return NameAt(count == 3 ? names.abbreviatedMonthNames : names.monthNames,
                          moment.month - 1);
        case u'y':
            if (count <= 2) return Number(moment.year % 100, count);
            return Number(moment.year, 4);
        default:  // g
            return names.eraName;
    }
}

std::u16string TimeField(const LocalDateTime& moment, char16_t letter, std::size_t count,
                         const DateTimeNames& names) {
    const std::size_t digits = count >= 2 ? 2 : 1;
    switch (letter) {
        case u'h':
            return Number(moment.hour % 12 == 0 ? 12 : moment.hour % 12, digits);
        case u'H':
            return Number(moment.hour, digits);
        case u'm':
            return Number(moment.minute, digits);
        case u's':
            return Number(moment.second, digits);
        default: {  // t
            const std::u16string& designator =
                moment.hour < 12 ? names.amDesignator : names.pmDesignator;
            return count == 1 ? designator.substr(0, 1) : designator;
        }
    }
}

// Expands a Windows format picture: each run of one of `letters` becomes field(letter, length),
// quoted text is copied without its quotes, anything else is copied.
template <typename Field>
std::u16string ExpandPicture(std::u16string_view picture, std::u16string_view letters,
                             Field field) {
    std::u16string text;
    std::size_t at = 0;
    while (at < picture.size()) {
        const char16_t c = picture[at];
        if (c == u'\'') {
            ++at;
            if (at < picture.size() && picture[at] == u'\'') {  // '' outside quotes
                text += u'\'';
                ++at;
                continue;
            }
            while (at < picture.size()) {
                if (picture[at] != u'\'') {
                    text += picture[at++];
                } else if (at + 1 < picture.size() && picture[at + 1] == u'\'') {
                    text += u'\'';
                    at += 2;
                } else {
                    ++at;
                    break;
                }
            }
        } else if (letters.find(c) != std::u16string_view::npos) {
            const std::size_t end = std::min(picture.find_first_not_of(c, at), picture.size());
            text += field(c, end - at);
            at = end;
        } else {
            text += c;
            ++at;
        }
    }
    return text;
}

bool IsMidnight(const LocalDateTime& moment) {
    return moment.hour == 0 && moment.minute == 0 && moment.second == 0 && moment.millisecond == 0;
}

}  // namespace

std::u16string FormatDateTimeText(const LocalDateTime& moment, std::u16string_view shortDateFormat,
                                  std::u16string_view longTimeFormat, const DateTimeNames& names) {
    std::u16string text =
        ExpandPicture(shortDateFormat, u"dMyg", [&](char16_t letter, std::size_t count) {
            return DateField(moment, letter, count, names);
        });
    if (IsMidnight(moment)) return text;
    text += u' ';
    text += ExpandPicture(longTimeFormat, u"hHmst", [&](char16_t letter, std::size_t count) {
        return TimeField(moment, letter, count, names);
    });
    return text;
}

}  // namespace zubolo
