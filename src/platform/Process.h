#pragma once
#include <string>

namespace zubolo {

// The running process as the system started it, and the request to end it.
class Process {
  public:
    virtual ~Process() = default;

    // The whole command line as the system hands it over, the program's name first.
    virtual std::u16string CommandLine() const = 0;

    // Asks the message loop to end the program. The request waits in the queue: the caller, and
    // whatever runs before the loop takes the request up, goes on first.
    virtual void RequestQuit() = 0;
};

}  // namespace zubolo
