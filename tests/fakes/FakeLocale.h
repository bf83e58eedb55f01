#pragma once
#include <string>

#include "platform/Locale.h"

namespace zubolo {

// Regional settings that the test sets; they start as a Japanese system has them.
class FakeLocale final : public Locale {
  public:
    std::u16string thousands = u",";
    std::u16string decimal = u".";
    std::u16string date = u"/";
    std::u16string time = u":";
    std::u16string shortDate = u"yyyy/MM/dd";
    std::u16string longTime = u"H:mm:ss";

    std::u16string ThousandsSeparator() const override { return thousands; }
    std::u16string DecimalSeparator() const override { return decimal; }
    std::u16string DateSeparator() const override { return date; }
    std::u16string TimeSeparator() const override { return time; }
    std::u16string ShortDateFormat() const override { return shortDate; }
    std::u16string LongTimeFormat() const override { return longTime; }
};

}  // namespace zubolo
