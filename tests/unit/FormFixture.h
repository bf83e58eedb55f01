#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeFormServices.h"
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

// The main window on fake services, the way every form test starts: the application object, the
// fakes that stand for the outside world, and the form built on them (not yet created: tests that
// need the creation sequence run FormCreate themselves).
struct FormOnFakes {
    Application app;
    FakeFormServices fakes;
    TZuboloForm form{app, fakes.services};
    // Names of the commands run, for tests that rebind the triggers with RecordCommands.
    std::vector<std::string> ran;
};

struct FormTest : ::testing::Test, FormOnFakes {};

}  // namespace zubolo
