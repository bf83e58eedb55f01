#include "AboutTexts.h"

#include <windows.h>

#include <regex>

#include "Report.h"

namespace zubolo::e2e {

namespace {

std::wstring FileVersionOf(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    Expect(size != 0, L"a version resource in " + Quoted(path));
    std::vector<unsigned char> block(size);
    void* value = nullptr;
    UINT length = 0;
    Expect(GetFileVersionInfoW(path.c_str(), 0, size, block.data()) &&
               VerQueryValueW(block.data(), L"\\", &value, &length) && value != nullptr,
           L"the fixed file version of " + Quoted(path));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    return std::to_wstring(HIWORD(fixed.dwFileVersionMS)) + L"." +
           std::to_wstring(LOWORD(fixed.dwFileVersionMS)) + L"." +
           std::to_wstring(HIWORD(fixed.dwFileVersionLS)) + L"." +
           std::to_wstring(LOWORD(fixed.dwFileVersionLS));
}

std::wstring BareName(const std::wstring& path) {
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    return name.substr(0, name.rfind(L'.'));
}

std::wstring LocaleText(LCTYPE type) {
    wchar_t text[80] = {};
    Expect(GetLocaleInfoEx(L"uk-UA", type, text, 80) > 0, L"Ukrainian locale data");
    return text;
}

// "d mmmm yyyy dddd hh:nn" with the Ukrainian names, as the About box writes a moment.
std::wstring UkrainianText(const SYSTEMTIME& time) {
    wchar_t clock[8] = {};
    swprintf(clock, 8, L"%02u:%02u", time.wHour, time.wMinute);
    // The system's day names start on Monday.
    const int day = (time.wDayOfWeek + 6) % 7;
    return std::to_wstring(time.wDay) + L" " + LocaleText(LOCALE_SMONTHNAME1 + time.wMonth - 1) +
           L" " + std::to_wstring(time.wYear) + L" " + LocaleText(LOCALE_SDAYNAME1 + day) + L" " +
           clock;
}

SYSTEMTIME Shifted(const SYSTEMTIME& utc, int minutes) {
    FILETIME file{};
    SystemTimeToFileTime(&utc, &file);
    ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
    ticks.QuadPart += static_cast<ULONGLONG>(static_cast<LONGLONG>(minutes) * 60 * 10'000'000);
    file = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME shifted{};
    FileTimeToSystemTime(&file, &shifted);
    return shifted;
}

// The time in Ukraine as the About box would write it at `utc`, in standard time (UTC+2) or in
// daylight saving time (UTC+3).
std::wstring UkraineText(const SYSTEMTIME& utc, bool daylight) {
    return daylight ? L"Peace for Ukraine\r\n" + UkrainianText(Shifted(utc, 180)) +
                          L", Ukraine Standard Time (in Daylight Saving Time)"
                    : L"Peace For Ukraine\r\n" + UkrainianText(Shifted(utc, 120)) +
                          L", Ukraine Standard Time";
}

// The box was made moments before `readAt`, perhaps in the minute before. Summer is daylight
// saving time and winter standard time; March and October have both.
void CheckUkraineLines(const std::wstring& seen, const SYSTEMTIME& readAt) {
    std::vector<std::wstring> candidates;
    for (const SYSTEMTIME& utc : {readAt, Shifted(readAt, -1)}) {
        for (bool daylight : {false, true}) {
            if (readAt.wMonth >= 4 && readAt.wMonth <= 9 && !daylight) continue;
            if ((readAt.wMonth <= 2 || readAt.wMonth >= 11) && daylight) continue;
            candidates.push_back(UkraineText(utc, daylight));
            if (candidates.back() == seen) return;
        }
    }
    Fail(L"the time in Ukraine " + Quoted(seen) + L" to be one of " + QuotedList(candidates));
}

}  // namespace

void CheckAboutLines(const std::vector<std::wstring>& lines, const std::wstring& programPath) {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    ExpectNumber(L"lines of the About box's text, with the empty one after its last line break", 13,
                 static_cast<long long>(lines.size()));

    ExpectText(L"line 1",
               BareName(programPath) + L" V2.0 (" + FileVersionOf(programPath) + L") Release Build",
               lines[0]);
    ExpectText(L"line 2 (the program file)", programPath, lines[1]);
    const UINT dpi = GetDpiForSystem();
    ExpectText(L"line 3",
               L"CurrentScreen " + std::to_wstring(GetSystemMetrics(SM_CXSCREEN)) + L" x " +
                   std::to_wstring(GetSystemMetrics(SM_CYSCREEN)) + L" / " + std::to_wstring(dpi) +
                   L"dpi x " + std::to_wstring((dpi * 200 + 96) / 192) + L"%",
               lines[2]);
    std::wsmatch elapsed;
    Expect(std::regex_match(lines[3], elapsed, std::wregex(L"Elapsed 0h([0-9]+)m([0-9]+)s")) &&
               std::stoi(elapsed[1]) < 2,
           L"line 4 to give the time since the start, under a day and without one: " +
               Quoted(lines[3]));
    const std::vector<std::wstring> maker{
        L"", MakerNoticeLine, MakerMailAddress, MakerHomePageUrl, L"made in Japan", L""};
    ExpectTexts(L"lines 5 to 10", maker,
                std::vector<std::wstring>(lines.begin() + 4, lines.begin() + 10));
    CheckUkraineLines(lines[10] + L"\r\n" + lines[11], now);
    ExpectText(L"the end of the text (a line break after the last line)", L"", lines[12]);
}

}  // namespace zubolo::e2e
