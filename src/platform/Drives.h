#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Handles.h"

namespace zubolo {

// Size of one drive: all of it, and what is free for the calling user (quotas apply). Both are -1
// when the system cannot tell.
struct DiskSpace {
    std::int64_t totalBytes = -1;
    std::int64_t freeBytesForCaller = -1;
};

// The machine's logical drives, as the system and the shell show them.
class Drives {
  public:
    virtual ~Drives() = default;

    // The root strings of the logical drives ("C:\"), in the system's order.
    virtual std::vector<std::u16string> LogicalDriveStrings() = 0;

    // The sizes of the drive whose root is `root` ("C:\").
    virtual DiskSpace Space(std::u16string_view root) = 0;

    // The shell's small icon of the drive whose root is `root` ("C:\"); empty when the shell gives
    // none. The caller owns it and hands it back to DestroyIcon.
    virtual IconHandle SmallShellIcon(std::u16string_view root) = 0;
    virtual void DestroyIcon(IconHandle icon) = 0;
};

}  // namespace zubolo
