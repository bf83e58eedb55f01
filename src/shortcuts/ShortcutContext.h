#pragma once
#include <functional>
#include <string_view>

#include "shell/ShellRoutines.h"

namespace zubolo {

class Clock;
class FileSystem;
class KnownPaths;
class Locale;
class RecycleBin;
class ShellLinks;

// What the shortcut manager works with: the shell routines and boxes (captioned with the
// application title of the moment), the link objects, the files, the Recycle Bin and the
// program's own name and version.
struct ShortcutContext {
    ShellContext shell;
    ShellLinks& links;
    FileSystem& files;
    RecycleBin& bin;
    const Clock& clock;
    const Locale& locale;
    const KnownPaths& paths;
    // Lets the window messages that are waiting be handled before the caller goes on.
    std::function<void()> processPendingMessages;
    // The shortcut file is named after the program ("<name>.lnk"); its description carries the
    // version.
    std::u16string_view programName;
    std::u16string_view programVersion;
};

}  // namespace zubolo
