#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace zubolo::e2e {

// A value of the user's regional settings (LOCALE_SDATE, LOCALE_STHOUSAND, ...).
std::wstring UserLocaleText(LCTYPE type);

// "yyyy/mm/dd<gap>HH:NN:SS" with the user's date and time separators.
std::wstring TimeStampText(const SYSTEMTIME& time, std::wstring_view gap);

// The local time now, moved by `seconds`.
SYSTEMTIME LocalTimeFromNow(int seconds);

}  // namespace zubolo::e2e
