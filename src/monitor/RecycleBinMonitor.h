#pragma once
#include <cstdint>
#include <string>

#include "common/NumberPattern.h"
#include "platform/RecycleBin.h"

namespace zubolo {

// What the monitor remembers between ticks: one set for the process, all zero at start.
struct MonitorState {
    // Item count and total size last shown in status panel 1.
    std::uint64_t PrevCount = 0;
    std::uint64_t PrevSize = 0;
    // Item count of the whole Recycle Bin as last read, cut to its low 32 bits.
    std::int32_t LastItemCount = 0;

    // The next reading counts as a change, whatever it finds: PrevCount takes a count that a
    // real bin almost never holds.
    void ForceNextChange() { PrevCount = 2147483647; }
};

// One reading of the whole Recycle Bin as the tick shows it.
struct BinReading {
    // The shell answered; without it the figures below mean nothing.
    bool ok = false;
    // The figures differ from the ones shown last: `text` goes to panel 1 and the title.
    bool changed = false;
    std::u16string text;
    // The changed figures show an empty bin, or a bin that held nothing before and now does.
    bool emptied = false;
    bool turnedFull = false;
};

// Compares the whole bin's answer with the figures shown last, which it then remembers. A failed
// query forgets nothing: the next success compares with the reading before the failure.
BinReading CompareWholeBin(MonitorState& state, const RecycleBinQuery& query,
                           const NumberSeparators& separators);

// The low 32 bits of a 64-bit item count, read as a signed number: 2^31 becomes -2^31 and 2^32
// becomes 0.
inline std::int32_t LowItemCount(std::uint64_t count) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(count));
}

}  // namespace zubolo
