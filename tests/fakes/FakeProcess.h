#pragma once
#include <string>

#include "platform/Process.h"

namespace zubolo {

// A process started with the command line the test sets; counts the requests to end it.
class FakeProcess final : public Process {
  public:
    std::u16string commandLine = u"Zubolo.exe";
    int quitRequests = 0;

    std::u16string CommandLine() const override { return commandLine; }
    void RequestQuit() override { ++quitRequests; }
};

}  // namespace zubolo
