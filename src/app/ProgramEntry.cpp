#include "app/ProgramEntry.h"

#include <string>

#include "app/InstanceGuard.h"

namespace zubolo {

int RunProgram(Application& application, EntryServices services, ProgramHost& host) {
    const std::u16string name(InstanceMarker.Name);
    application.SetTitle(name);
    if (IsAlreadyRunning(name, services.mutexes, application)) {
        services.boxes.Ask({}, AlreadyRunningMessage, application.Title(), BoxStyle::Ok);
        ActivatePreviousInstance(name, services.windows);
        return 0;
    }
    const WindowHandle applicationWindow = host.ApplicationWindow();
    services.windows.SetProperty(applicationWindow, name, InstanceMarker.Value);
    host.InitializeApplication();
    application.SetMainFormOnTaskbar(false);
    host.CreateMainWindow();
    application.SetShowMainForm(true);
    host.RunMessageLoop();
    services.windows.RemoveProperty(applicationWindow, name);
    return 0;
}

}  // namespace zubolo
