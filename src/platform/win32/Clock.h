#pragma once
#include "platform/Clock.h"

namespace zubolo {

// The system's local time (GetLocalTime) and UTC (GetSystemTime).
class Win32Clock final : public Clock {
  public:
    LocalDateTime Now() const override;
    LocalDateTime UtcNow() const override;
};

}  // namespace zubolo
