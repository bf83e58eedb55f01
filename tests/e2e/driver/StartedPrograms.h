#pragma once
#include <windows.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zubolo::e2e {

// A window that a program started by the shell opened: what the user sees when a command
// "opens" a folder, a tool or a control panel.
struct OpenedWindow {
    HWND window = nullptr;
    DWORD processId = 0;
    std::wstring caption;
};

// Processes that start after this object is made. Built right before a command runs, it tells
// the program the command started from everything that ran before (the desktop's own Explorer
// included).
class StartedPrograms {
  public:
    StartedPrograms();

    // Waits for a visible top-level window of class `windowClass` that belongs to a process
    // started since, running the program file `programName` (compared without letter case).
    OpenedWindow WaitForWindow(std::wstring_view programName, std::wstring_view windowClass) const;

  private:
    struct Seen {
        OpenedWindow opened;
        std::wstring program;
        std::wstring windowClass;
    };
    // Visible top-level windows of the processes started since.
    std::vector<Seen> NewWindows() const;

    std::set<DWORD> before_;
};

// Closes the window as its close box does and waits for its program to end; a program that
// stays is ended by force and the case fails.
void CloseOpenedWindow(const OpenedWindow& opened);

}  // namespace zubolo::e2e
