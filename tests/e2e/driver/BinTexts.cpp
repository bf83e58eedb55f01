#include "BinTexts.h"

#include <cwchar>
#include <iterator>

namespace zubolo::e2e {

std::wstring LocaleText(LCTYPE type) {
    wchar_t text[16] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, static_cast<int>(std::size(text)));
    return text;
}

std::wstring Grouped(unsigned long long value) {
    const std::wstring separator = LocaleText(LOCALE_STHOUSAND);
    const std::wstring digits = std::to_wstring(value);
    std::wstring text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) text += separator;
        text += digits[i];
    }
    return text;
}

std::wstring BinText(unsigned long long count, unsigned long long size) {
    return L"(" + Grouped(count) + L") " + Grouped(size);
}

std::wstring PercentText(double value, int decimals) {
    wchar_t digits[64] = {};
    std::swprintf(digits, std::size(digits), L"%.*f", decimals, value);
    std::wstring text = digits;
    if (const auto point = text.find(L'.'); point != std::wstring::npos) {
        text.replace(point, 1, LocaleText(LOCALE_SDECIMAL));
    }
    return text + L"%";
}

}  // namespace zubolo::e2e
