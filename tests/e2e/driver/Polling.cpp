#include "Polling.h"

#include <windows.h>

namespace zubolo::e2e {

void PauseBetweenProbes() {
    constexpr DWORD IntervalMs = 25;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, IntervalMs, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace zubolo::e2e
