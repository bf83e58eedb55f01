// The Recycle Bin status as a user sees it: the clock in status panel 0, and the count and size
// of the bin in panel 1 and in the taskbar caption, following files the user moves to the bin
// and the bin being emptied.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <chrono>
#include <string>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "CommonControls.h"
#include "LocalTime.h"
#include "Polling.h"
#include "Screenshot.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

// The tick runs once a second: a change of the bin shows within two.
constexpr std::chrono::milliseconds TickDeadline{2000};
constexpr DWORD FileSizes[] = {1234, 56789, 1048576};  // 1,106,599 bytes together
constexpr int StatusPageIndex = 1;

// The number with the user's thousands separator between every three digits.
std::wstring Grouped(unsigned long long value) {
    const std::wstring separator = UserLocaleText(LOCALE_STHOUSAND);
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

// The clock text of the local time `seconds` from now: "yyyy/mm/dd  HH:MM:SS".
std::wstring ClockTextFromNow(int seconds) {
    return TimeStampText(LocalTimeFromNow(seconds), L"  ");
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

// Writes the files of FileSizes into a fresh folder and returns their paths.
std::vector<std::wstring> MakeFiles() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"zubolo-trash-status";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<std::wstring> paths;
    for (DWORD size : FileSizes) {
        const std::wstring path = folder + L"\\file-" + std::to_wstring(size) + L".bin";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        Expect(file != INVALID_HANDLE_VALUE, L"to create " + Quoted(path));
        const std::vector<char> bytes(size, 'z');
        DWORD written = 0;
        const BOOL ok = WriteFile(file, bytes.data(), size, &written, nullptr);
        CloseHandle(file);
        Expect(ok && written == size,
               L"to write " + std::to_wstring(size) + L" bytes to " + Quoted(path));
        paths.push_back(path);
    }
    return paths;
}

// Moves the files to the Recycle Bin in one shell operation, as Explorer's Delete key does.
void MoveToRecycleBin(const std::vector<std::wstring>& paths) {
    std::wstring from;
    for (const std::wstring& path : paths) from += path + L'\0';
    from += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION;
    const int result = SHFileOperationW(&operation);
    ExpectNumber(L"result of moving the files to the Recycle Bin", 0, result);
    Expect(!operation.fAnyOperationsAborted, L"the move to the Recycle Bin not to be aborted");
    for (const std::wstring& path : paths) {
        Expect(GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES,
               Quoted(path) + L" to be gone from its folder");
    }
}

void EmptyRecycleBin() {
    const HRESULT result = SHEmptyRecycleBinW(
        nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    ExpectNumber(L"result of emptying the Recycle Bin", S_OK, result);
}

}  // namespace

void RunTrashStatusCase(const CaseSettings& settings) {
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    const auto statusBars = DescendantsOfClass(windows.main, L"msctls_statusbar32");
    ExpectNumber(L"number of status bars", 1, static_cast<long long>(statusBars.size()));
    HWND statusBar = statusBars.front();

    CheckClock(statusBar);

    // The tick shows a reading when it differs from the last one shown, and nothing has been
    // shown before the first reading: an empty bin at start leaves panel 1 to the drive table's
    // refresh, which writes the same text.
    const std::wstring emptyBin = BinText(0, 0);
    const std::wstring atStart = StatusPanelText(statusBar, 1);
    Expect(atStart.empty() || atStart == emptyBin,
           L"status panel 1 at start with an empty Recycle Bin to be empty or " + Quoted(emptyBin) +
               L", saw " + Quoted(atStart));
    ExpectText(L"taskbar caption at start", atStart.empty() ? AppDisplayName : emptyBin,
               WindowText(windows.application));

    unsigned long long total = 0;
    for (DWORD size : FileSizes) total += size;
    MoveToRecycleBin(MakeFiles());
    WaitForBinText(windows, statusBar, BinText(std::size(FileSizes), total),
                   L"after moving three files to the Recycle Bin");

    HWND tabs = DescendantsOfClass(windows.main, L"SysTabControl32").front();
    ExpectNumber(L"active page", StatusPageIndex, SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    SaveWindowScreenshot(windows.main, settings.screenshotFolder + L"\\trash-status.bmp");

    EmptyRecycleBin();
    WaitForBinText(windows, statusBar, emptyBin, L"after emptying the Recycle Bin");

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
