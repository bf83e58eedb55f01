#pragma once
#include "fakes/FakeClock.h"
#include "fakes/FakeDrives.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeKnownPaths.h"
#include "fakes/FakeLocale.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRecycleBin.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeTextCodec.h"
#include "fakes/FakeTopLevelWindows.h"
#include "fakes/FakeWindowFrame.h"
#include "mainwindow/FormServices.h"

namespace zubolo {

// Every fake the main window needs, and the services record that hands them to it.
struct FakeFormServices {
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
    FakeDrives drives;
    FormServices services{clock, locale, recycleBin,   windows, boxes, shell,
                          frame, files,  ansiCodePage, paths,   drives};
};

}  // namespace zubolo
