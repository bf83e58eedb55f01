#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

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
    DateTimeNames words{
        {u"日曜日", u"月曜日", u"火曜日", u"水曜日", u"木曜日", u"金曜日", u"土曜日"},
        {u"日", u"月", u"火", u"水", u"木", u"金", u"土"},
        {u"1月", u"2月", u"3月", u"4月", u"5月", u"6月", u"7月", u"8月", u"9月", u"10月", u"11月",
         u"12月"},
        {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"11", u"12"},
        u"午前",
        u"午後",
        u"西暦"};
    // Names of other locales by their Windows identifier; a locale missing here has no data.
    std::map<std::uint32_t, DateTimeNames> otherLocales;

    std::u16string ThousandsSeparator() const override { return thousands; }
    std::u16string DecimalSeparator() const override { return decimal; }
    std::u16string DateSeparator() const override { return date; }
    std::u16string TimeSeparator() const override { return time; }
    std::u16string ShortDateFormat() const override { return shortDate; }
    std::u16string LongTimeFormat() const override { return longTime; }
    DateTimeNames DateTimeWords() const override { return words; }
    std::optional<DateTimeNames> DateTimeWordsOf(std::uint32_t lcid) const override {
        const auto found = otherLocales.find(lcid);
        if (found == otherLocales.end()) return std::nullopt;
        return found->second;
    }
    // Code-unit order stands in for the user's language.
    int CompareText(std::u16string_view a, std::u16string_view b) const override {
        const int order = a.compare(b);
        return (order > 0) - (order < 0);
    }
};

}  // namespace zubolo
