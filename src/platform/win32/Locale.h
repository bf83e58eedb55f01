#pragma once
#include "platform/Locale.h"

namespace zubolo {

// The settings of the user's default locale, read with GetLocaleInfoEx at every call; the names
// of other locales the same way.
class Win32Locale final : public Locale {
  public:
    std::u16string ThousandsSeparator() const override;
    std::u16string DecimalSeparator() const override;
    std::u16string DateSeparator() const override;
    std::u16string TimeSeparator() const override;
    std::u16string ShortDateFormat() const override;
    std::u16string LongTimeFormat() const override;
    DateTimeNames DateTimeWords() const override;
    std::optional<DateTimeNames> DateTimeWordsOf(std::uint32_t lcid) const override;
    int CompareText(std::u16string_view a, std::u16string_view b) const override;
};

}  // namespace zubolo
