#pragma once
#include "platform/Clock.h"

namespace zubolo {

// A clock that shows whatever time the test sets; it starts in Japan's zone (UTC+9).
class FakeClock final : public Clock {
  public:
    LocalDateTime now{2025, 3, 14, 9, 5, 7, 0};
    LocalDateTime utcNow{2025, 3, 14, 0, 5, 7, 0};

    LocalDateTime Now() const override { return now; }
    LocalDateTime UtcNow() const override { return utcNow; }
};

}  // namespace zubolo
