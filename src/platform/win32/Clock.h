#pragma once
#include "platform/Clock.h"

namespace zubolo {

// The system's local time (GetLocalTime).
class Win32Clock final : public Clock {
  public:
    LocalDateTime Now() const override;
};

}  // namespace zubolo
