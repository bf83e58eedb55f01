#include "Responsiveness.h"

#include <algorithm>

#include "CommonControls.h"
#include "Polling.h"
#include "Report.h"

namespace zubolo::e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

bool Answers(HWND window, milliseconds limit) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(limit.count()),
                               &result) != 0;
}

void WaitForTick(HWND statusBar) {
    const std::wstring before = StatusPanelText(statusBar, 0);
    WaitFor(
        L"the clock in status panel 0 to move on from " + Quoted(before),
        [&] { return StatusPanelText(statusBar, 0) != before; }, milliseconds(3000));
}

milliseconds LongestWaitOverTicks(HWND window, HWND statusBar, int ticks, milliseconds limit,
                                  std::wstring_view during) {
    milliseconds longest{0};
    std::wstring clock = StatusPanelText(statusBar, 0);
    const auto deadline = Clock::now() + milliseconds(1000 * ticks + 2000);
    for (int moves = 0; moves < ticks;) {
        const auto asked = Clock::now();
        if (!Answers(window, limit)) {
            Fail(L"the program to answer within " + Ms(limit) + L" " + std::wstring(during));
        }
        longest = std::max(longest, std::chrono::duration_cast<milliseconds>(Clock::now() - asked));
        const std::wstring now = StatusPanelText(statusBar, 0);
        if (now != clock) {
            clock = now;
            ++moves;
        }
        if (Clock::now() > deadline) {
            Fail(L"the clock in status panel 0 to keep moving " + std::wstring(during) +
                 L"; it stayed at " + Quoted(clock));
        }
        Sleep(2);
    }
    return longest;
}

std::wstring Ms(milliseconds duration) {
    return std::to_wstring(duration.count()) + L" ms";
}

}  // namespace zubolo::e2e
