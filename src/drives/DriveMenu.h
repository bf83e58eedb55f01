#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace zubolo {

// The folder of a drive's own recycle bin: "C:" gives "C:\$Recycle.Bin".
std::u16string DriveBinFolder(std::u16string_view caption);

// How the drive list's menu opens.
struct DriveMenuState {
    bool openDrive = false;
    bool driveProperties = false;
    // Only for a drive that holds a bin folder.
    bool driveBinProperties = false;
    // "連携を再開" on an empty table (the linkage is off), else "最新の情報に更新".
    std::u16string_view updateCaption;
};

// The menu for the row whose caption is `selected` (nothing: no row selected) in a table with or
// without rows.
DriveMenuState DriveMenuFor(const std::optional<std::u16string_view>& selected, bool tableEmpty,
                            const FileSystem& files);

}  // namespace zubolo
