#pragma once
#include "platform/ShellLinks.h"

namespace zubolo {

// Link objects made with CoCreateInstance; COM must be initialised on the calling thread.
class Win32ShellLinks final : public ShellLinks {
  public:
    ShellLinkCreation Create() override;
};

}  // namespace zubolo
