#include "monitor/RecycleBinMonitor.h"

#include "monitor/StatusTexts.h"

namespace zubolo {

BinReading CompareWholeBin(MonitorState& state, const RecycleBinQuery& query,
                           const NumberSeparators& separators) {
    BinReading reading;
    if (!query.ok) return reading;
    reading.ok = true;
    if (query.itemCount != state.PrevCount || query.totalSize != state.PrevSize) {
        reading.changed = true;
        reading.text = RecycleBinText(query.itemCount, query.totalSize, separators);
        reading.emptied = query.itemCount == 0;
        reading.turnedFull = query.itemCount != 0 && state.PrevCount == 0;
        state.PrevCount = query.itemCount;
        state.PrevSize = query.totalSize;
    }
    state.LastItemCount = LowItemCount(query.itemCount);
    return reading;
}

}  // namespace zubolo
