#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "unit/FormFixture.h"

namespace zubolo {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr WindowHandle MainWindow{0x100};
constexpr WindowHandle ApplicationWindow{0x50};

// The form after its creation sequence, which installs the minimize and restore events.
class TrayResidenceTest : public FormTest {
  protected:
    TrayResidenceTest() {
        form.SetHandle(MainWindow);
        fakes.frame.owner = ApplicationWindow;
        form.FormCreate();
        form.StatusBar1.SetPanelText(1, u"(3) 1,024");
        fakes.windows.calls.clear();
        fakes.frame.calls.clear();
    }
};

TEST_F(TrayResidenceTest, MinimizingGoesToTheTrayUnlessTheTaskbarIsChosen) {
    struct Case {
        int residence;
        bool tray;
    };
    // -1 (nothing selected, from the settings file) behaves like "タスクトレイ".
    for (const Case& c : {Case{0, false}, Case{1, true}, Case{-1, true}}) {
        SCOPED_TRACE(c.residence);
        form.RadioGroup1.SetItemIndex(c.residence);
        fakes.windows.calls.clear();

        Fire(app.OnMinimize);
        EXPECT_EQ(form.TrayIcon1.Visible(), c.tray);
        if (c.tray) {
            EXPECT_THAT(fakes.windows.calls, ElementsAre("Show 80 0")) << "taskbar button gone";
        } else {
            EXPECT_THAT(fakes.windows.calls, IsEmpty()) << "the taskbar button stays";
        }
        form.TrayIcon1.SetVisible(false);
    }
}

TEST_F(TrayResidenceTest, NoSelectionGoesToTheTrayAndLeavesTheMenuMarks) {
    form.RadioGroup1.SetItemIndex(-1);
    Fire(app.OnMinimize);
    Fire(form.PopupMenu3.OnPopup);
    EXPECT_TRUE(form.TrayIcon1.Visible());
    EXPECT_TRUE(form.Pm3TaskBar.Checked()) << "as designed";
    EXPECT_FALSE(form.Pm3TaskTray.Checked());
}

TEST_F(TrayResidenceTest, RestoringHidesTheIconShowsTheTaskbarButtonAndTakesTheTitleFromPanel1) {
    form.RadioGroup1.SetItemIndex(1);
    Fire(app.OnMinimize);
    app.SetTitle(u"ずぼろ");
    fakes.windows.calls.clear();

    Fire(app.OnRestore);  // from the taskbar, or a second start
    EXPECT_FALSE(form.TrayIcon1.Visible());
    EXPECT_THAT(fakes.windows.calls, ElementsAre("Show 80 5"));
    EXPECT_EQ(app.Title(), u"(3) 1,024");
    EXPECT_THAT(fakes.frame.calls, IsEmpty()) << "the application restores itself";
}

TEST_F(TrayResidenceTest, AClickOnTheIconOrTheMenuItemRestoresAndBringsTheWindowToTheFront) {
    form.RadioGroup1.SetItemIndex(1);
    const std::pair<const char*, std::function<void()>> restores[] = {
        {"click on the icon", [&] { Fire(form.TrayIcon1.OnClick); }},
        {"元の大きさに戻す", [&] { form.Pm1Restore.Click(); }},
    };
    for (const auto& [what, restore] : restores) {
        SCOPED_TRACE(what);
        Fire(app.OnMinimize);
        app.SetTitle(u"ずぼろ");
        fakes.windows.calls.clear();
        fakes.frame.calls.clear();
        fakes.presentation.calls.clear();

        restore();
        EXPECT_FALSE(form.TrayIcon1.Visible());
        EXPECT_THAT(fakes.windows.calls, ElementsAre("Show 80 5"));
        EXPECT_THAT(fakes.frame.calls, ElementsAre("RestoreApplication"));
        EXPECT_THAT(fakes.presentation.calls, ElementsAre("BringApplicationToFront"));
        EXPECT_EQ(app.Title(), u"(3) 1,024");
    }
}

}  // namespace
}  // namespace zubolo
