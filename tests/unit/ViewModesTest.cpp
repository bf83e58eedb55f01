#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "unit/FormFixture.h"

namespace zubolo {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// The window at its design size: 285 high outside, 31 of it title bar and borders, a status
// bar 19 high. The fake window's client height follows every height the form sets.
class ViewModesTest : public FormTest {
  protected:
    ViewModesTest() {
        form.SetHandle(WindowHandle{0x100});
        form.StatusBar1.SetBounds({0, 235, 447, 254});
    }
    FakeWindowPresentation& window = fakes.presentation;
};

TEST_F(ViewModesTest, StatusBarClicksShrinkToTheStatusBarAndRestoreTheFormerHeight) {
    form.StatusBar1.OnClick();
    EXPECT_EQ(window.ClientHeight({}), 19) << "only the status bar shows";
    EXPECT_EQ(form.OriginHeight1, 285);
    EXPECT_TRUE(form.CompactView());
    EXPECT_TRUE(form.Pm4Shrink.Checked());
    EXPECT_FALSE(form.Pm4Spread.Checked());

    form.StatusBar1.OnClick();
    EXPECT_EQ(window.outerHeight, 285);
    EXPECT_FALSE(form.CompactView());
    EXPECT_TRUE(form.Pm4Spread.Checked());
    EXPECT_FALSE(form.Pm4Shrink.Checked());
    EXPECT_THAT(window.calls, ElementsAre("SetOuterHeight 50", "SetOuterHeight 285"));
}

TEST_F(ViewModesTest, TheMenuItemsSwitchTheViewAndTheTabMenusItemToggles) {
    form.Pm4Shrink.Click();
    EXPECT_TRUE(form.CompactView());
    form.Pm4Spread.Click();
    EXPECT_FALSE(form.CompactView());

    form.Pm3StatusShrink.Click();
    EXPECT_TRUE(form.CompactView());
    form.Pm3StatusShrink.Click();
    EXPECT_FALSE(form.CompactView()) << "a toggle, like a click on the status bar";
    EXPECT_EQ(window.outerHeight, 285);
}

TEST_F(ViewModesTest, ShrinkingTwiceKeepsTheDetailedHeight) {
    window.outerHeight = 400;
    form.Pm4Shrink.Click();
    form.Pm4Shrink.Click();
    EXPECT_EQ(form.OriginHeight1, 400) << "not the compact height";
    EXPECT_TRUE(form.Pm4Shrink.Checked());
    form.Pm4Spread.Click();
    EXPECT_EQ(window.outerHeight, 400);
    EXPECT_THAT(window.calls, ElementsAre("SetOuterHeight 50", "SetOuterHeight 400"));
}

TEST_F(ViewModesTest, AWindowSizedByHandToTheStatusBarIsCompact) {
    struct Case {
        int keptHeight;
        int dpi;
        int detailedHeight;
    };
    // Without a kept height the window takes the design height at its resolution.
    for (const Case& c : {Case{330, 96, 330}, Case{0, 96, 285}, Case{0, 144, 428}}) {
        form.OriginHeight1 = c.keptHeight;
        window.dpi = c.dpi;
        window.outerHeight = 50;
        window.calls.clear();

        Fire(form.PopupMenu4.OnPopup);
        EXPECT_TRUE(form.Pm4Shrink.Checked());
        form.StatusBar1.OnClick();
        EXPECT_THAT(window.calls, ElementsAre("SetOuterHeight " + std::to_string(c.detailedHeight)))
            << "kept " << c.keptHeight << " at " << c.dpi << " dpi";
        EXPECT_TRUE(form.Pm4Spread.Checked());
    }
}

TEST_F(ViewModesTest, TabsShareFourFifthsOfTheWidthFromTheStartOn) {
    form.PageControl1.SetBounds({0, 0, 447, 235});
    form.FormCreate();
    EXPECT_EQ(form.PageControl1.TabWidth(), 89) << "four visible tabs once created";

    form.PageControl1.SetBounds({0, 0, 903, 400});
    Fire(form.PageControl1.OnResize);
    EXPECT_EQ(form.PageControl1.TabWidth(), 180);
}

TEST_F(ViewModesTest, ShowHintIsCentredInItsColumnAtEveryResolution) {
    struct Case {
        int dpi;
        int gridWidth;
        int checkBoxWidth;
        int designMargin;
    };
    for (const Case& c : {Case{96, 433, 80, 68}, Case{144, 700, 120, 77}, Case{96, 120, 80, 0}}) {
        window.dpi = c.dpi;
        form.GridPanel2.SetBounds({3, 3, 3 + c.gridWidth, 200});
        form.CheckBoxShowHint.SetBounds({0, 0, c.checkBoxWidth, 20});
        Fire(form.GridPanel2.OnResize);
        EXPECT_EQ(form.CheckBoxShowHint.ControlMargins(), (Margins{c.designMargin, 3, 3, 3}))
            << c.dpi << " dpi";
    }
}

}  // namespace
}  // namespace zubolo
