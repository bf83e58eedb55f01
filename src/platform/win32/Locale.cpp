#include "platform/win32/Locale.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace zubolo {

namespace {

// The user's value for `type`; `fallback`, the invariant locale's value, only when the system
// cannot answer, so that numbers and times never lose their separators.
std::u16string ReadLocaleText(LCTYPE type, std::u16string_view fallback) {
    const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (size <= 0) return std::u16string(fallback);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text.data(), size);
    if (written <= 0) return std::u16string(fallback);
    text.resize(static_cast<std::size_t>(written - 1));  // without the terminating NUL
    return FromWide(text);
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

}  // namespace zubolo
