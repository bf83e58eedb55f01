#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/NumberPattern.h"
#include "platform/DateTimeNames.h"

namespace zubolo {

// The user's regional settings that the program's texts follow. Each value is read when asked
// for, so a change the user makes while the program runs shows at the next text written.
class Locale {
  public:
    virtual ~Locale() = default;
    virtual std::u16string ThousandsSeparator() const = 0;
    virtual std::u16string DecimalSeparator() const = 0;
    virtual std::u16string DateSeparator() const = 0;
    virtual std::u16string TimeSeparator() const = 0;
    // Format pictures such as "yyyy/MM/dd" and "H:mm:ss".
    virtual std::u16string ShortDateFormat() const = 0;
    virtual std::u16string LongTimeFormat() const = 0;
    // The names that date and time pictures ask for.
    virtual DateTimeNames DateTimeWords() const = 0;
    // The same names in the locale with the Windows identifier `lcid` (0x0422 is Ukrainian
    // (Ukraine)); nothing when the system has no data for that locale.
    virtual std::optional<DateTimeNames> DateTimeWordsOf(std::uint32_t lcid) const = 0;

    // Orders two texts as the user's language sorts them, letter case counting: -1, 0 or +1.
    // 0 also when the system cannot compare them.
    virtual int CompareText(std::u16string_view a, std::u16string_view b) const = 0;
};

inline NumberSeparators UserNumberSeparators(const Locale& locale) {
    return {locale.ThousandsSeparator(), locale.DecimalSeparator()};
}

}  // namespace zubolo
