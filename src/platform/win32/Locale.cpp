#include "platform/win32/Locale.h"

#include <windows.h>

#include <climits>
#include <iterator>

#include "platform/win32/WideText.h"

namespace zubolo {

namespace {

// The value of the named locale for `type`; `fallback` only when the system cannot answer.
std::u16string ReadLocaleText(const wchar_t* locale, LCTYPE type, std::u16string_view fallback) {
    const int size = GetLocaleInfoEx(locale, type, nullptr, 0);
    if (size <= 0) return std::u16string(fallback);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    const int written = GetLocaleInfoEx(locale, type, text.data(), size);
    if (written <= 0) return std::u16string(fallback);
    text.resize(static_cast<std::size_t>(written - 1));  // without the terminating NUL
    return FromWide(text);
}

// The user's value for `type`; `fallback`, the invariant locale's value, only when the system
// cannot answer, so that numbers and times never lose their separators.
std::u16string ReadLocaleText(LCTYPE type, std::u16string_view fallback) {
    return ReadLocaleText(LOCALE_NAME_USER_DEFAULT, type, fallback);
}

// The Gregorian calendar's era name ("A.D." in English); empty when the system has none.
std::u16string ReadEraName() {
    wchar_t era[80] = {};
    const int written =
        GetCalendarInfoEx(LOCALE_NAME_USER_DEFAULT, CAL_GREGORIAN, nullptr, CAL_SERASTRING, era,
                          static_cast<int>(std::size(era)), nullptr);
    return written > 0 ? FromWide(era) : std::u16string();
}

// The day and month names of the named locale, empty where the system has none.
DateTimeNames ReadDateTimeNames(const wchar_t* locale) {
    DateTimeNames names;
    // The system counts days from Monday (LOCALE_SDAYNAME1); the names run from Sunday.
    for (int day = 0; day < 7; ++day) {
        const std::size_t index = static_cast<std::size_t>((day + 1) % 7);
        names.dayNames[index] = ReadLocaleText(locale, LOCALE_SDAYNAME1 + day, u"");
        names.abbreviatedDayNames[index] =
            ReadLocaleText(locale, LOCALE_SABBREVDAYNAME1 + day, u"");
    }
    for (int month = 0; month < 12; ++month) {
        const std::size_t index = static_cast<std::size_t>(month);
        names.monthNames[index] = ReadLocaleText(locale, LOCALE_SMONTHNAME1 + month, u"");
        names.abbreviatedMonthNames[index] =
            ReadLocaleText(locale, LOCALE_SABBREVMONTHNAME1 + month, u"");
    }
    names.amDesignator = ReadLocaleText(locale, LOCALE_S1159, u"");
    names.pmDesignator = ReadLocaleText(locale, LOCALE_S2359, u"");
    return names;
}

}  // namespace

std::u16string Win32Locale::ThousandsSeparator() const {
    return ReadLocaleText(LOCALE_STHOUSAND, u",");
}

std::u16string Win32Locale::DecimalSeparator() const {
    return ReadLocaleText(LOCALE_SDECIMAL, u".");
}

std::u16string Win32Locale::DateSeparator() const {
    return ReadLocaleText(LOCALE_SDATE, u"/");
}

std::u16string Win32Locale::TimeSeparator() const {
    return ReadLocaleText(LOCALE_STIME, u":");
}

std::u16string Win32Locale::ShortDateFormat() const {
    return ReadLocaleText(LOCALE_SSHORTDATE, u"MM/dd/yyyy");
}

std::u16string Win32Locale::LongTimeFormat() const {
    return ReadLocaleText(LOCALE_STIMEFORMAT, u"HH:mm:ss");
}

DateTimeNames Win32Locale::DateTimeWords() const {
    DateTimeNames names = ReadDateTimeNames(LOCALE_NAME_USER_DEFAULT);
    names.eraName = ReadEraName();
    return names;
}

std::optional<DateTimeNames> Win32Locale::DateTimeWordsOf(std::uint32_t lcid) const {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(lcid, name, LOCALE_NAME_MAX_LENGTH, 0) == 0 || !IsValidLocaleName(name)) {
        return std::nullopt;
    }
    return ReadDateTimeNames(name);
}

int Win32Locale::CompareText(std::u16string_view a, std::u16string_view b) const {
    const std::wstring first = ToWide(a);
    const std::wstring second = ToWide(b);
    if (first.size() > INT_MAX || second.size() > INT_MAX) return 0;
    const int order =
        CompareStringW(LOCALE_USER_DEFAULT, 0, first.data(), static_cast<int>(first.size()),
                       second.data(), static_cast<int>(second.size()));
    // CSTR_LESS_THAN, CSTR_EQUAL and CSTR_GREATER_THAN are 1, 2 and 3; 0 is a failure.
    return order == 0 ? 0 : order - CSTR_EQUAL;
}

}  // namespace zubolo
