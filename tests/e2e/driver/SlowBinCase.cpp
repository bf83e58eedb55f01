// A Recycle Bin of many items, which the shell takes seconds to count, as a user meets it: the
// window answers at once and its clock moves on every second while the bin is read, the figures
// arrive in status panel 1 when the reading is done, and closing does not wait for a reading.
#include <windows.h>

#include <chrono>
#include <string>

#include "BinTexts.h"
#include "Cases.h"
#include "ChildProcess.h"
#include "CommonControls.h"
#include "MainWindowInput.h"
#include "Polling.h"
#include "Report.h"
#include "Responsiveness.h"
#include "SettingsFile.h"
#include "Trash.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Under Wine one count of this bin takes about 2 s; a window that counted it on its own thread
// would not answer for that long at every tick.
constexpr int Items = 10000;
constexpr int ItemSize = 100;
constexpr milliseconds AnswerLimit{1000};
constexpr int Ticks = 4;
// A program that waited for the counts under way would take seconds to end.
constexpr milliseconds CloseLimit{3000};
// The first figures come after one count of the whole bin, whatever the machine's speed.
constexpr milliseconds FiguresDeadline{60000};

}  // namespace

void RunSlowBinCase(const CaseSettings& settings) {
    const FilledTrash trash(Items, ItemSize);
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND statusBar = OnlyDescendant(windows.main, L"msctls_statusbar32");

    const milliseconds longest =
        LongestWaitOverTicks(windows.main, statusBar, Ticks, AnswerLimit,
                             L"while a bin of " + std::to_wstring(Items) + L" items is read");
    const std::wstring figures = BinText(Items, static_cast<unsigned long long>(Items) * ItemSize);
    WaitFor(
        L"status panel 1 to read " + Quoted(figures),
        [&] { return StatusPanelText(statusBar, 1) == figures; }, FiguresDeadline);

    // The change of the figures has the drive table read now, three counts of the bin: closing
    // meanwhile neither waits for them nor loses the settings file.
    DeleteFileW(SettingsPath().c_str());
    const auto closing = Clock::now();
    PostMessageW(windows.main, WM_CLOSE, 0, 0);
    ExpectNumber(L"exit code after WM_CLOSE with the bin being read", 0,
                 zubolo.WaitForExitCode(CloseLimit));
    const auto closed = std::chrono::duration_cast<milliseconds>(Clock::now() - closing);
    Expect(GetFileAttributesW(SettingsPath().c_str()) != INVALID_FILE_ATTRIBUTES,
           L"the settings file to be written at closing");
    PrintLine(L"note: longest wait for the program over " + std::to_wstring(Ticks) +
              L" ticks with " + std::to_wstring(Items) + L" items in the bin: " + Ms(longest) +
              L"; closing with the bin being read took " + Ms(closed));
}

}  // namespace zubolo::e2e
