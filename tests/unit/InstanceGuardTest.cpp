#include <gtest/gtest.h>

#include "app/InstanceGuard.h"
#include "app/ProgramEntry.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeMutexes.h"
#include "fakes/FakeTopLevelWindows.h"

namespace zubolo {
namespace {

using Calls = std::vector<std::string>;

class RecordingHost : public ProgramHost {
  public:
    explicit RecordingHost(Calls& log) : log_(log) {}
    WindowHandle ApplicationWindow() override { return WindowHandle{500}; }
    void InitializeApplication() override { log_.push_back("Initialize"); }
    void CreateMainWindow() override { log_.push_back("CreateMainWindow"); }
    void RunMessageLoop() override { log_.push_back("RunMessageLoop"); }

  private:
    Calls& log_;
};

// Remembers what the desktop had already seen when the box was shown.
class ObservingBoxes : public FakeMessageBoxes {
  public:
    explicit ObservingBoxes(const FakeTopLevelWindows& windows) : windows_(windows) {}
    int Ask(WindowHandle owner, std::u16string_view text, std::u16string_view caption,
            std::uint32_t flags) override {
        callsWhileOpen = windows_.calls;
        return FakeMessageBoxes::Ask(owner, text, caption, flags);
    }
    Calls callsWhileOpen;

  private:
    const FakeTopLevelWindows& windows_;
};

struct EntryFixture : ::testing::Test {
    Application app;
    FakeMutexes mutexes;
    FakeTopLevelWindows windows;
    ObservingBoxes boxes{windows};
    Calls hostCalls;
    RecordingHost host{hostCalls};

    int Run() { return RunProgram(app, {mutexes, windows, boxes}, host); }
};

TEST_F(EntryFixture, FirstInstanceMarksItsApplicationWindowAroundTheMessageLoop) {
    mutexes.next = {0x44, 0};
    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(mutexes.created, std::vector<std::u16string>{u"Zubolo"});
    EXPECT_EQ(app.Tag(), NativeHandle{0x44});
    EXPECT_TRUE(boxes.questions.empty());
    EXPECT_EQ(hostCalls, (Calls{"Initialize", "CreateMainWindow", "RunMessageLoop"}));
    EXPECT_EQ(windows.calls, (Calls{"SetProperty 500 20221230", "RemoveProperty 500"}));
    EXPECT_FALSE(app.MainFormOnTaskbar());
    EXPECT_TRUE(app.ShowMainForm());
}

TEST_F(EntryFixture, FailingMutexCallStillRunsAsFirstInstance) {
    mutexes.next = {0, 5};  // access denied, no handle
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(app.Tag(), NativeHandle{});
    EXPECT_EQ(hostCalls.size(), 3u);
}

TEST_F(EntryFixture, SecondStartTellsTheUserThenRaisesTheFirstAndCreatesNothing) {
    mutexes.next = {0x48, ErrorAlreadyExists};
    windows.order = {WindowHandle{10}, WindowHandle{20}, WindowHandle{30}};
    windows.properties[{WindowHandle{20}, u"Zubolo"}] = InstanceMarker.Value;
    windows.iconic.insert(WindowHandle{20});

    EXPECT_EQ(Run(), 0);

    ASSERT_EQ(boxes.questions.size(), 1u);
    EXPECT_EQ(boxes.questions[0].text, u"既に起動されています。");
    EXPECT_EQ(boxes.questions[0].caption, u"Zubolo");
    EXPECT_EQ(boxes.questions[0].flags, 0u);  // MB_OK without an icon
    EXPECT_TRUE(boxes.callsWhileOpen.empty()) << "activation must wait for the box";
    EXPECT_EQ(windows.calls, (Calls{"Enumerate", "Show 20 9", "SetForeground 20"}));
    EXPECT_EQ(app.Tag(), NativeHandle{0x48});
    EXPECT_TRUE(hostCalls.empty()) << "no window, no command line, no message loop";
}

TEST(FindInstanceWindowProc, PassesOverOtherValuesAndStopsAtTheFirstMarkedWindow) {
    FakeTopLevelWindows windows;
    windows.order = {WindowHandle{1}, WindowHandle{2}, WindowHandle{3}, WindowHandle{4}};
    windows.properties[{WindowHandle{1}, u"Zubolo"}] = 1;  // a foreign window
    windows.properties[{WindowHandle{2}, u"Other"}] =
        InstanceMarker.Value;  // another property name
    windows.properties[{WindowHandle{3}, u"Zubolo"}] = InstanceMarker.Value;
    windows.properties[{WindowHandle{4}, u"Zubolo"}] = InstanceMarker.Value;

    ActivatePreviousInstance(u"Zubolo", windows);

    EXPECT_EQ(windows.visited,
              (std::vector<WindowHandle>{WindowHandle{1}, WindowHandle{2}, WindowHandle{3}}));
    EXPECT_EQ(windows.calls, (Calls{"Enumerate", "SetForeground 3"})) << "restore only when iconic";
}

TEST(FindInstanceWindowProc, NoMarkedWindowRaisesNothing) {
    FakeTopLevelWindows windows;
    windows.order = {WindowHandle{1}, WindowHandle{2}};
    ActivatePreviousInstance(u"Zubolo", windows);
    EXPECT_EQ(windows.calls, (Calls{"Enumerate"}));
}

}  // namespace
}  // namespace zubolo
