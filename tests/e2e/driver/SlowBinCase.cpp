// A Recycle Bin of many items, which the shell takes seconds to count, as a user meets it: the
// window answers at once and its clock moves on every second while the bin is read, and the
// figures arrive in status panel 1 when the reading is done.
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
#include "Trash.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

using std::chrono::milliseconds;

// Under Wine one count of this bin takes about 2 s; a window that counted it on its own thread
// would not answer for that long at every tick.
constexpr int Items = 10000;
constexpr int ItemSize = 100;
constexpr milliseconds AnswerLimit{1000};
constexpr int Ticks = 4;
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
    PrintLine(L"note: longest wait for the program over " + std::to_wstring(Ticks) +
              L" ticks with " + std::to_wstring(Items) + L" items in the bin: " + Ms(longest));

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
