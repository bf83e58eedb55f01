#pragma once
#include "ui/Controls.h"

namespace zubolo {

// A periodic tick delivered on the user-interface thread.
class Timer {
  public:
    explicit Timer(int intervalMs) : intervalMs_(intervalMs) {}

    int IntervalMs() const { return intervalMs_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    void Tick() { Fire(OnTimer); }
    Handler OnTimer;

  private:
    int intervalMs_;
    bool enabled_ = true;
};

}  // namespace zubolo
