#pragma once
#include "platform/Drives.h"

namespace zubolo {

// GetLogicalDriveStringsW, GetDiskFreeSpaceExW and the shell's drive icons (SHGetFileInfoW).
class Win32Drives final : public Drives {
  public:
    std::vector<std::u16string> LogicalDriveStrings() override;
    DiskSpace Space(std::u16string_view root) override;
    IconHandle SmallShellIcon(std::u16string_view root) override;
    void DestroyIcon(IconHandle icon) override;
};

}  // namespace zubolo
