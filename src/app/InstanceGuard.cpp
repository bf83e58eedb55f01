#include "app/InstanceGuard.h"

namespace zubolo {

bool IsAlreadyRunning(std::u16string_view name, Mutexes& mutexes, Application& application) {
    const MutexResult result = mutexes.CreateOwnedMutex(name);
    application.SetTag(result.handle);
    return result.lastError == ErrorAlreadyExists;
}

bool FindInstanceWindowProc(WindowHandle window, std::u16string_view name,
                            TopLevelWindows& windows) {
    if (windows.GetProperty(window, name) != InstanceMarker.Value) return true;
    if (windows.IsIconic(window)) windows.Show(window, ShowCommandRestore);
    windows.SetForeground(window);
    return false;
}

void ActivatePreviousInstance(std::u16string_view name, TopLevelWindows& windows) {
    windows.Enumerate(
        [&](WindowHandle window) { return FindInstanceWindowProc(window, name, windows); });
}

}  // namespace zubolo
