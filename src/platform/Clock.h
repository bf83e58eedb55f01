#pragma once
#include "common/LocalDateTime.h"

namespace zubolo {

// The wall clock, so that the texts built from the current time can be checked with a fixed one.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
    // The same moment in Coordinated Universal Time, free of the local zone's daylight saving.
    virtual LocalDateTime UtcNow() const = 0;
};

}  // namespace zubolo
