#pragma once
#include "fakes/FakeAboutBoxes.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDiskQueries.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeDrives.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeFileVersions.h"
#include "fakes/FakeKnownPaths.h"
#include "fakes/FakeLocale.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeProcess.h"
#include "fakes/FakeRecycleBin.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellLinks.h"
#include "fakes/FakeTextCodec.h"
#include "fakes/FakeTopLevelWindows.h"
#include "fakes/FakeWindowFrame.h"
#include "fakes/FakeWindowPresentation.h"
#include "mainwindow/FormServices.h"

namespace zubolo {

// Every fake the main window needs, and the services record that hands them to it.
struct FakeFormServices {
    // A file sent to the bin leaves the file system.
    FakeFormServices() {
        recycleBin.onTaken = [this](const std::u16string& path) { files.files.erase(path); };
    }

    FakeClock clock;
    FakeLocale locale;
    FakeRecycleBin recycleBin;
    FakeTopLevelWindows windows;
    FakeMessageBoxes boxes;
    FakeShell shell;
    FakeWindowFrame frame;
    FakeFileSystem files;
    FakeTextCodec ansiCodePage;
    FakeKnownPaths paths;
    FakeProcess process;
    FakeShellLinks links{files};
    FakeFileVersions versions;
    FakeDisplay display;
    FakeAboutBoxes aboutBoxes;
    FakeWindowPresentation presentation;
    FakeDrives drives;
    FakeDiskQueries diskQueries{recycleBin, drives};
    FormServices services{clock,    locale,  recycleBin,   windows,      boxes,   shell,
                          frame,    files,   ansiCodePage, paths,        process, links,
                          versions, display, aboutBoxes,   presentation, drives,  diskQueries};
};

}  // namespace zubolo
