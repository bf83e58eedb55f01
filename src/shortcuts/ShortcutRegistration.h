#pragma once
#include <cstdint>
#include <string_view>

#include "shortcuts/ShortcutContext.h"

namespace zubolo {

// Where a shortcut to the program goes: the special folder (a CSIDL value) and its display name
// in the notices.
struct ShortcutPlace {
    std::int32_t csidl = 0;
    std::u16string_view folderName;
};

// Creates the program's shortcut "<program name>.lnk" in the folder, or, when the folder holds
// one, asks whether to update it (write it anew), remove it (send it to the Recycle Bin) or leave
// it alone. Each outcome is reported in a notice, then the user may open the folder, with the
// shortcut selected when it exists. An error raised while the link is prepared ends everything
// at once in the general error report; Cancel ends it without another box. A folder without a
// file-system path gets the not-created notice and nothing is written.
void RegisterProgramShortcut(const ShortcutContext& context, const ShortcutPlace& place,
                             std::u16string_view targetPath);

}  // namespace zubolo
