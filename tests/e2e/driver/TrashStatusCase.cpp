// The Recycle Bin status as a user sees it: the clock in status panel 0, and the count and size
// of the bin in panel 1 and in the taskbar caption, following files the user moves to the bin
// and the bin being emptied.
#include <windows.h>

#include <commctrl.h>
#include <chrono>
#include <string>
#include <vector>

#include "BinTexts.h"
#include "Cases.h"
#include "ChildProcess.h"
#include "CommonControls.h"
#include "Polling.h"
#include "Screenshot.h"
#include "Trash.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

// The tick runs once a second: a change of the bin shows within two.
constexpr std::chrono::milliseconds TickDeadline{2000};
const std::vector<unsigned long long> FileSizes{1234, 56789, 1048576};  // 1,106,599 bytes
constexpr int StatusPageIndex = 1;

std::wstring TwoDigits(WORD value) {
    return std::wstring(value < 10 ? L"0" : L"") + std::to_wstring(value);
}

// "yyyy/mm/dd  HH:MM:SS" with the user's date and time separators.
std::wstring ClockText(const SYSTEMTIME& time) {
    const std::wstring date = LocaleText(LOCALE_SDATE);
    const std::wstring clock = LocaleText(LOCALE_STIME);
    return std::to_wstring(time.wYear) + date + TwoDigits(time.wMonth) + date +
           TwoDigits(time.wDay) + L"  " + TwoDigits(time.wHour) + clock + TwoDigits(time.wMinute) +
           clock + TwoDigits(time.wSecond);
}

// The clock text of the local time `seconds` from now.
std::wstring ClockTextFromNow(int seconds) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME asFileTime;
    SystemTimeToFileTime(&now, &asFileTime);
    ULARGE_INTEGER ticks{{asFileTime.dwLowDateTime, asFileTime.dwHighDateTime}};
    ticks.QuadPart += static_cast<long long>(seconds) * 10'000'000;
    asFileTime = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME shifted;
    FileTimeToSystemTime(&asFileTime, &shifted);
    return ClockText(shifted);
}

// Panel 0 shows the current local time in the clock pattern, and the clock runs.
void CheckClock(HWND statusBar) {
    auto showsNow = [&] {
        const std::wstring shown = StatusPanelText(statusBar, 0);
        for (int seconds = -3; seconds <= 1; ++seconds) {
            if (shown == ClockTextFromNow(seconds)) return true;
        }
        return false;
    };
    if (!showsNow()) {
        Fail(L"status panel 0 to show the local time like " + Quoted(ClockTextFromNow(0)) +
             L", saw " + Quoted(StatusPanelText(statusBar, 0)));
    }
    const std::wstring first = StatusPanelText(statusBar, 0);
    WaitFor(
        L"the clock in status panel 0 to move on from " + Quoted(first),
        [&] { return StatusPanelText(statusBar, 0) != first && showsNow(); }, TickDeadline);
}

// Panel 1 and the taskbar caption both read `text` within the tick deadline.
void WaitForBinText(const ZuboloWindows& windows, HWND statusBar, const std::wstring& text,
                    const std::wstring& after) {
    auto both = [&] {
        return StatusPanelText(statusBar, 1) == text && WindowText(windows.application) == text;
    };
    if (!PollUntil(both, TickDeadline)) {
        Fail(L"within 2 s " + after + L", status panel 1 and the taskbar caption to read " +
             Quoted(text) + L"; saw " + Quoted(StatusPanelText(statusBar, 1)) + L" and " +
             Quoted(WindowText(windows.application)));
    }
}

}  // namespace

void RunTrashStatusCase(const CaseSettings& settings) {
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    const auto statusBars = DescendantsOfClass(windows.main, L"msctls_statusbar32");
    ExpectNumber(L"number of status bars", 1, static_cast<long long>(statusBars.size()));
    HWND statusBar = statusBars.front();

    // An empty bin at start is no change for the tick; the drive table's refresh at the end of
    // the window's creation writes its text once the drives have been read.
    const std::wstring emptyBin = BinText(0, 0);
    WaitForBinText(windows, statusBar, emptyBin, L"at start with an empty Recycle Bin");

    CheckClock(statusBar);

    unsigned long long total = 0;
    for (unsigned long long size : FileSizes) total += size;
    MoveToRecycleBin(MakeFiles(L"zubolo-trash-status", FileSizes));
    WaitForBinText(windows, statusBar, BinText(FileSizes.size(), total),
                   L"after moving three files to the Recycle Bin");

    HWND tabs = DescendantsOfClass(windows.main, L"SysTabControl32").front();
    ExpectNumber(L"active page", StatusPageIndex, SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    SaveWindowScreenshot(windows.main, settings.screenshotFolder + L"\\trash-status.bmp");

    EmptyRecycleBin();
    WaitForBinText(windows, statusBar, emptyBin, L"after emptying the Recycle Bin");

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
