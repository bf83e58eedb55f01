#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace zubolo::e2e {

// A program started by the driver. A process still running when this object goes (a case
// failed half-way) is terminated, so no case leaves a program behind for the next one.
class ChildProcess {
  public:
    // showCommand, when given, reaches the program as STARTUPINFO.wShowWindow; arguments follow
    // the quoted program path on the command line as they are.
    explicit ChildProcess(const std::wstring& path, std::optional<WORD> showCommand = {},
                          const std::wstring& arguments = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    bool HasExited() const;
    // Waits for the end of the process and returns its exit code.
    DWORD WaitForExitCode(std::chrono::milliseconds limit);

  private:
    PROCESS_INFORMATION info_{};
};

// The Windows path of a file in the driver's own folder, where the build puts the stand-ins.
std::wstring PathBesideDriver(std::wstring_view fileName);

// Terminates every running process whose program file has that name (left over from an
// interrupted run); returns how many there were.
int EndProcessesNamed(std::wstring_view fileName);

}  // namespace zubolo::e2e
