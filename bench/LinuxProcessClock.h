#pragma once
#include <string>
#include <string_view>

namespace zubolo::bench {

// The CPU time the Linux scheduler has charged to the threads of the Linux process that runs a
// Wine program, read from /proc through drive Z: (Wine maps / there), to the nanosecond. Wine's
// GetProcessTimes cannot stand in: on another process's handle it reports the caller's own
// times, and it counts in 10 ms clock ticks, while an idle program with a one-second timer uses
// well under a millisecond a second.
class LinuxProcessClock {
  public:
    // Finds the one Linux process whose first command-line argument is programPath: Wine puts
    // the Windows path of the program it runs there. Fails when there is none or more than one.
    explicit LinuxProcessClock(std::wstring_view programPath);

    // The sum over the process's live threads of their run time (threads that have ended are
    // not counted).
    double CpuMs() const;

  private:
    std::wstring procFolder_;
};

}  // namespace zubolo::bench
