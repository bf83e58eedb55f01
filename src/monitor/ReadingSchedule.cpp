#include "monitor/ReadingSchedule.h"

#include <utility>

namespace zubolo {

bool ReadingSchedule::TryBegin(ReadingKind kind) {
    if (underWay_) {
        if (kind == ReadingKind::DriveTable) driveTableWaits_ = true;
        return false;
    }
    underWay_ = true;
    return true;
}

bool ReadingSchedule::End() {
    underWay_ = false;
    return std::exchange(driveTableWaits_, false);
}

}  // namespace zubolo
