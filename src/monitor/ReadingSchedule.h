#pragma once

namespace zubolo {

// The background readings of the window: the whole bin for the tick, and the drive table.
enum class ReadingKind { WholeBin, DriveTable };

// Keeps the window to one background reading at a time. A tick that comes while a reading is
// under way reads nothing (the next tick asks again); a drive table refresh asked for meanwhile
// waits for the end of the reading under way, and several such requests make one refresh.
class ReadingSchedule {
  public:
    // True when a reading of `kind` starts now; it is under way from then on.
    bool TryBegin(ReadingKind kind);
    // The reading under way has ended. True when a drive table refresh waits for that.
    bool End();
    bool UnderWay() const { return underWay_; }

  private:
    bool underWay_ = false;
    bool driveTableWaits_ = false;
};

}  // namespace zubolo
