#pragma once
#include "platform/MessageBox.h"
#include "platform/Mutexes.h"
#include "platform/TopLevelWindows.h"
#include "ui/Application.h"

namespace zubolo {

// The window-system side of the start: the application window exists from the start of the
// process; the main window is created and the message loop run on request.
class ProgramHost {
  public:
    virtual ~ProgramHost() = default;
    virtual WindowHandle ApplicationWindow() = 0;
    virtual void InitializeApplication() = 0;
    virtual void CreateMainWindow() = 0;
    // Shows the main window as the process was asked to and runs until the main window closed.
    virtual void RunMessageLoop() = 0;
};

struct EntryServices {
    Mutexes& mutexes;
    TopLevelWindows& windows;
    MessageBoxes& boxes;
};

// Everything from setting the first title to the end of the message loop; returns the exit code.
// A second instance shows its message, raises the first one and ends without any window.
int RunProgram(Application& application, EntryServices services, ProgramHost& host);

}  // namespace zubolo
