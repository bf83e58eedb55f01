#pragma once
#include "platform/Clock.h"

namespace zubolo {

// A clock that shows whatever time the test sets.
class FakeClock final : public Clock {
  public:
    LocalDateTime now{2025, 3, 14, 9, 5, 7, 0};

    LocalDateTime Now() const override { return now; }
};

}  // namespace zubolo
