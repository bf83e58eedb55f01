#include <gtest/gtest.h>

#include "unit/FormFixture.h"

namespace zubolo {
namespace {

std::vector<std::u16string> Captions(const std::vector<TabSheet*>& pages) {
    std::vector<std::u16string> captions;
    for (const TabSheet* page : pages) captions.push_back(page->Caption());
    return captions;
}

using ZuboloForm = FormTest;

TEST_F(ZuboloForm, CreationShowsFourTabsWithTheStatusPageInFront) {
    EXPECT_EQ(form.PageControl1.ActivePage(), &form.TabSheetFile) << "the page at design";

    form.FormCreate();

    EXPECT_EQ(form.Caption(), u"ずぼろ");
    EXPECT_EQ(app.Title(), u"ずぼろ");
    EXPECT_EQ(Captions(form.PageControl1.VisibleTabs()),
              (std::vector<std::u16string>{u"ファイル", u"表示", u"設 定", u"ヘルプ"}));
    EXPECT_EQ(form.PageControl1.ActivePage(), &form.TabSheetStatus);
    EXPECT_FALSE(form.TabSheetDevelop.Visible());
    EXPECT_FALSE(form.Memo1.Visible());
    EXPECT_EQ(form.GridPanel5.Alignment(), Align::Client);
}

TEST_F(ZuboloForm, InitialStatesOfTheControls) {
    EXPECT_FALSE(form.ButtonStart.Enabled()) << "the linkage is on from the start";
    EXPECT_TRUE(form.ButtonStop.Enabled());
    EXPECT_EQ(form.ButtonOpenRb.Images(), &form.ImageListBin);
    EXPECT_EQ(form.ButtonOpen2.ImageIndex(), 2);
    EXPECT_EQ(form.RadioGroup2.ItemIndex(), 0);
    EXPECT_EQ(form.RadioGroup1.ItemIndex(), 0);
    EXPECT_EQ(form.RadioGroup1.Columns(), 2);
    EXPECT_TRUE(form.CheckBoxAutoWidth.Checked());
    EXPECT_TRUE(form.CheckBoxSaveStatus.Checked());
    EXPECT_FALSE(form.CheckBoxStayOnTop.Checked());
    EXPECT_FALSE(form.CheckBoxShowHint.Checked());
    EXPECT_EQ(form.StatusBar1.Panels().size(), 2u);
    EXPECT_FALSE(form.TrayIcon1.Visible());
    EXPECT_EQ(form.Timer1.IntervalMs(), 1000);
    EXPECT_FALSE(app.ShowHints());
}

TEST_F(ZuboloForm, SettingACheckBoxFromCodeRunsItsClickOnlyOnChange) {
    int clicks = 0;
    form.CheckBoxStayOnTop.OnClick = [&] { ++clicks; };
    form.CheckBoxStayOnTop.SetChecked(false);
    EXPECT_EQ(clicks, 0);
    form.CheckBoxStayOnTop.SetChecked(true);
    form.CheckBoxStayOnTop.Toggle();
    EXPECT_EQ(clicks, 2);
}

TEST(RadioGroup, SelectedItemIsKeptInRange) {
    RadioGroup group(u"Group");
    group.SetItems({u"a", u"b", u"c"});
    for (auto [given, selected] : {std::pair{7, 2}, {-5, -1}, {-1, -1}, {1, 1}, {3, 2}}) {
        group.SetItemIndex(given);
        EXPECT_EQ(group.ItemIndex(), selected) << given;
    }
}

TEST_F(ZuboloForm, OnlyTheUsersPageChoiceRunsTheChangeHandler) {
    int changes = 0;
    form.PageControl1.OnChange = [&] { ++changes; };
    form.FormCreate();
    EXPECT_EQ(changes, 0);
    form.PageControl1.SelectVisibleTab(2);
    EXPECT_EQ(form.PageControl1.ActivePage(), &form.TabSheetSettings);
    EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace zubolo
