#include "LocalTime.h"

namespace zubolo::e2e {

namespace {

std::wstring TwoDigits(WORD value) {
    return std::wstring(value < 10 ? L"0" : L"") + std::to_wstring(value);
}

}  // namespace

std::wstring UserLocaleText(LCTYPE type) {
    wchar_t text[16] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, static_cast<int>(std::size(text)));
    return text;
}

std::wstring TimeStampText(const SYSTEMTIME& time, std::wstring_view gap) {
    const std::wstring date = UserLocaleText(LOCALE_SDATE);
    const std::wstring clock = UserLocaleText(LOCALE_STIME);
    return std::to_wstring(time.wYear) + date + TwoDigits(time.wMonth) + date +
           TwoDigits(time.wDay) + std::wstring(gap) + TwoDigits(time.wHour) + clock +
           TwoDigits(time.wMinute) + clock + TwoDigits(time.wSecond);
}

SYSTEMTIME LocalTimeFromNow(int seconds) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME asFileTime;
    SystemTimeToFileTime(&now, &asFileTime);
    ULARGE_INTEGER ticks{{asFileTime.dwLowDateTime, asFileTime.dwHighDateTime}};
    ticks.QuadPart += static_cast<long long>(seconds) * 10'000'000;
    asFileTime = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME shifted;
    FileTimeToSystemTime(&asFileTime, &shifted);
    return shifted;
}

}  // namespace zubolo::e2e
