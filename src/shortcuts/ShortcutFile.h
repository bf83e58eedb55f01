#pragma once
#include <string_view>

#include "shortcuts/ShortcutContext.h"

namespace zubolo {

// Sends the shortcut file at `path` to the Recycle Bin through the shell's delete with undo.
// True when it went there, or when the path is empty or holds no file. False when the shell
// failed (after the notice "Delete "<file name>" Failed.") or reports that the user aborted
// (after "Operations Aborted." in a box of the platform's usual width); after either notice the
// waiting window messages are handled before it returns.
bool DeleteShortcutFile(const ShortcutContext& context, std::u16string_view path);

}  // namespace zubolo
