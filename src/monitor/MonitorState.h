#pragma once
#include <cstdint>

#include "platform/Handles.h"

namespace zubolo {

// What the Recycle Bin monitor and the Explorer linkage remember between ticks: one set for the
// process, all zero at start.
struct MonitorState {
    // Item count of the whole Recycle Bin as last read, cut to its low 32 bits.
    std::int32_t LastItemCount = 0;
    // The Explorer window that shows the Recycle Bin, and its small icon as seen while the bin
    // was empty and while it held items.
    WindowHandle hLinkedWindow;
    IconHandle hEmptyBinIcon;
    IconHandle hFullBinIcon;
};

// The low 32 bits of a 64-bit item count, read as a signed number: 2^31 becomes -2^31 and 2^32
// becomes 0.
inline std::int32_t LowItemCount(std::uint64_t count) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(count));
}

}  // namespace zubolo
