#pragma once
#include "platform/Process.h"

namespace zubolo {

class Win32Process final : public Process {
  public:
    std::u16string CommandLine() const override;
    void RequestQuit() override;
};

}  // namespace zubolo
