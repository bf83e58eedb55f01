// After the first instance has closed, a new start runs as a first instance again.
#include "Cases.h"
#include "ChildProcess.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

void RunRestartCase(const CaseSettings& settings) {
    {
        ChildProcess first(settings.zuboloPath);
        CloseZubolo(first, WaitForVisibleMainWindow(first));
    }
    ChildProcess again(settings.zuboloPath);
    CloseZubolo(again, WaitForVisibleMainWindow(again));
}

}  // namespace zubolo::e2e
