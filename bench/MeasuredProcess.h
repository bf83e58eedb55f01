#pragma once
#include <windows.h>
// (psapi after <windows.h>)
#include <psapi.h>

#include <string>
#include <string_view>

namespace zubolo::bench {

// A program started for a measurement. One still running when this object goes (a run failed
// half-way) is terminated, so a failed run leaves nothing behind.
class MeasuredProcess {
  public:
    explicit MeasuredProcess(const std::wstring& program);
    ~MeasuredProcess();
    MeasuredProcess(const MeasuredProcess&) = delete;
    MeasuredProcess& operator=(const MeasuredProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    bool HasExited() const;
    PROCESS_MEMORY_COUNTERS_EX Memory() const;
    // Polls every millisecond for the program's visible top-level window of that class, so that
    // the poll adds next to nothing to the start-up time it measures.
    HWND WaitForVisibleWindow(std::wstring_view windowClass) const;
    // Posts WM_CLOSE to the window and waits for the end of the process.
    void Close(HWND window) const;

  private:
    PROCESS_INFORMATION info_{};
};

// The first top-level window of that class owned by processId, any process's when 0.
HWND FindTopLevel(std::wstring_view windowClass, DWORD processId, bool visibleOnly);

}  // namespace zubolo::bench
