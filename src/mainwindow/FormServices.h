#pragma once
#include "about/AboutBox.h"
#include "platform/Clock.h"
#include "platform/DiskQueries.h"
#include "platform/Display.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/FileVersions.h"
#include "platform/KnownPaths.h"
#include "platform/Locale.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/RecycleBin.h"
#include "platform/Shell.h"
#include "platform/ShellLinks.h"
#include "platform/TextCodec.h"
#include "platform/TopLevelWindows.h"
#include "platform/WindowFrame.h"
#include "platform/WindowPresentation.h"

namespace zubolo {

// The outside world as the main window's handlers reach it. The program passes the Win32
// implementations; the unit tests pass fakes.
struct FormServices {
    Clock& clock;
    Locale& locale;
    RecycleBin& recycleBin;
    TopLevelWindows& windows;
    MessageBoxes& boxes;
    Shell& shell;
    WindowFrame& frame;
    FileSystem& files;
    const TextCodec& ansiCodePage;
    const KnownPaths& paths;
    Process& process;
    ShellLinks& links;
    const FileVersions& versions;
    const Display& display;
    AboutBoxes& aboutBoxes;
    WindowPresentation& presentation;
    Drives& drives;
    DiskQueries& diskQueries;
};

}  // namespace zubolo
