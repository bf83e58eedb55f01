#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "platform/Drives.h"
#include "platform/Handles.h"

namespace zubolo {

// The caption of a drive's row: its root string without the trailing backslash ("C:\" gives
// "C:").
std::u16string DriveCaption(std::u16string_view root);

// The root path that the size of a row's drive is asked for: the caption's first character, a
// colon and a backslash ("C:" gives "C:\").
std::u16string DiskRoot(std::u16string_view caption);

// Visits the drives in the system's order with the caption of their row and the shell's small
// icon of the drive (empty when the shell gives none). The icon is destroyed as soon as the visit
// returns: the visitor copies what it keeps.
void VisitDrives(Drives& drives,
                 const std::function<void(std::u16string caption, IconHandle icon)>& visit);

}  // namespace zubolo
