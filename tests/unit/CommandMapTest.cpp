#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/ContextMenus.h"
#include "unit/CommandRecorder.h"
#include "unit/FormFixture.h"

namespace zubolo {
namespace {

// Every trigger of the window with the command it runs. Triggers that are not a control or a
// menu item of that name are events, written with a space.
const std::vector<std::pair<std::u16string, std::string>> TriggersAndCommands = {
    {u"Timer1 tick", "Timer1Timer"},
    {u"ButtonStart", "ButtonStartClick"},
    {u"Pm3Start", "ButtonStartClick"},
    {u"ButtonStop", "ButtonStopClick"},
    {u"Pm3Stop", "ButtonStopClick"},
    {u"ButtonOpen2", "ButtonOpenRbClick"},
    {u"ButtonOpenRb", "ButtonOpenRbClick"},
    {u"Pm1OpenRb", "ButtonOpenRbClick"},
    {u"pm2OpenRb", "ButtonOpenRbClick"},
    {u"Pm3OpenRb2", "ButtonOpenRbClick"},
    {u"pm3OpenRb", "ButtonOpenRbClick"},
    {u"PageControl1 change", "PageControl1Change"},
    {u"PopupMenu2 opening", "PopupMenu2Popup"},
    {u"pm2OpenDrive", "pm2OpenDriveClick"},
    {u"Pm2ShowDriveProperties", "Pm2ShowDrivePropertiesClick"},
    {u"ListView1 double click", "Pm2ShowDrivePropertiesClick"},
    {u"Pm2ShowDriveBinProperties", "Pm2ShowDriveBinPropertiesClick"},
    {u"pm2AdjustColWidth", "pm2AdjustColWidthClick"},
    {u"pm3AdjustColWidth1", "pm2AdjustColWidthClick"},
    {u"Pm2UpdateListView", "Pm2UpdateListViewClick"},
    {u"pm3AdjustColWidth2", "pm3AdjustColWidth2Click"},
    {u"ButtonDeskTopRb", "ButtonDeskTopRbClick"},
    {u"Pm3DeskTopRb", "ButtonDeskTopRbClick"},
    {u"ButtonShowPropertiesRb", "ButtonShowPropertiesRbClick"},
    {u"Pm3PropertiesRb", "ButtonShowPropertiesRbClick"},
    {u"ButtonProperties", "ButtonPropertiesClick"},
    {u"Pm3Properties", "ButtonPropertiesClick"},
    {u"pm2OpenPC1", "pm2OpenPC1Click"},
    {u"pm2OpenDeskTop", "pm2OpenDeskTopClick"},
    {u"pm2OpenHome", "pm2OpenHomeClick"},
    {u"pm2OpenUser", "pm2OpenUserClick"},
    {u"pm2OpenCPanel", "pm2OpenCPanelClick"},
    {u"pm2TaskMgr", "pm2TaskMgrClick"},
    {u"ButtonDeskTop", "ButtonDeskTopClick"},
    {u"Pm3DeskTop", "ButtonDeskTopClick"},
    {u"ButtonStartMenu", "ButtonStartMenuClick"},
    {u"Pm3StartMenu", "ButtonStartMenuClick"},
    {u"ButtonStartUp", "ButtonStartUpClick"},
    {u"Pm3StartUp", "ButtonStartUpClick"},
    {u"ButtonAddRb", "ButtonAddRbClick"},
    {u"Pm3AddRb", "ButtonAddRbClick"},
    {u"StatusBar1 click", "StatusBar1Click"},
    {u"PageControl1 resize", "PageControl1Resize"},
    {u"GridPanel2 resize", "GridPanel2Resize"},
    {u"CheckBoxStayOnTop", "CheckBoxStayOnTopClick"},
    {u"CheckBoxShowHint", "CheckBoxShowHintClick"},
    {u"PopupMenu1 opening", "PopupMenu1Popup"},
    {u"Pm1Restore", "Pm1RestoreClick"},
    {u"TrayIcon1 click", "Pm1RestoreClick"},
    {u"Pm1Close", "Pm1CloseClick"},
    {u"Pm3Close", "Pm1CloseClick"},
    {u"PopupMenu3 opening", "PopupMenu3Popup"},
    {u"Pm3StatusSpread", "Pm3StatusSpreadClick"},
    {u"Pm3StatusShrink", "Pm3StatusShrinkClick"},
    {u"Pm3DDReject", "Pm3DDRejectClick"},
    {u"Pm3DDAccept", "Pm3DDAcceptClick"},
    {u"Pm3DDEachTime", "Pm3DDEachTimeClick"},
    {u"Pm3StayOnTop", "Pm3StayOnTopClick"},
    {u"Pm3TaskBar", "Pm3TaskBarClick"},
    {u"Pm3TaskTray", "Pm3TaskTrayClick"},
    {u"Pm3CloseQuery", "Pm3CloseQueryClick"},
    {u"Pm3SaveStatus", "Pm3SaveStatusClick"},
    {u"PopupMenu4 opening", "PopupMenu4Popup"},
    {u"Pm4Spread", "Pm4SpreadClick"},
    {u"Pm4Shrink", "Pm4ShrinkClick"},
    {u"ButtonHelp", "ButtonHelpClick"},
    {u"Pm3ShowHelp", "ButtonHelpClick"},
    {u"ButtonDonation", "ButtonDonationClick"},
    {u"Pm3Donation", "ButtonDonationClick"},
    {u"ButtonHomeSite", "ButtonHomeSiteClick"},
    {u"Pm3HomeSite", "ButtonHomeSiteClick"},
    {u"ButtonAbout", "ButtonAboutClick"},
    {u"Pm3About", "ButtonAboutClick"},
};

Control* FindControl(Control& parent, std::u16string_view name) {
    for (Control* child : parent.Children()) {
        if (child->Name() == name) return child;
        if (Control* found = FindControl(*child, name)) return found;
    }
    return nullptr;
}

MenuItem* FindItem(MenuItem& parent, std::u16string_view name) {
    for (MenuItem* item : parent.Items()) {
        if (item->Name() == name) return item;
        if (MenuItem* found = FindItem(*item, name)) return found;
    }
    return nullptr;
}

// Sets the trigger off as the user or the window system would.
bool Trigger(TZuboloForm& form, const std::u16string& trigger) {
    const std::map<std::u16string, std::function<void()>> events = {
        {u"Timer1 tick", [&] { form.Timer1.Tick(); }},
        {u"TrayIcon1 click", [&] { Fire(form.TrayIcon1.OnClick); }},
        {u"StatusBar1 click", [&] { Fire(form.StatusBar1.OnClick); }},
        {u"ListView1 double click", [&] { Fire(form.ListView1.OnDblClick); }},
        {u"PageControl1 change", [&] { form.PageControl1.SelectVisibleTab(2); }},
        {u"PageControl1 resize", [&] { Fire(form.PageControl1.OnResize); }},
        {u"GridPanel2 resize", [&] { Fire(form.GridPanel2.OnResize); }},
        {u"PopupMenu1 opening", [&] { Fire(form.PopupMenu1.OnPopup); }},
        {u"PopupMenu2 opening", [&] { Fire(form.PopupMenu2.OnPopup); }},
        {u"PopupMenu3 opening", [&] { Fire(form.PopupMenu3.OnPopup); }},
        {u"PopupMenu4 opening", [&] { Fire(form.PopupMenu4.OnPopup); }},
    };
    if (const auto event = events.find(trigger); event != events.end()) {
        event->second();
        return true;
    }
    if (Control* control = FindControl(form, trigger)) {
        if (control->Kind() == ControlKind::Button) static_cast<Button*>(control)->Click();
        if (control->Kind() == ControlKind::CheckBox) static_cast<CheckBox*>(control)->Toggle();
        return true;
    }
    for (PopupMenu* menu :
         {&form.PopupMenu1, &form.PopupMenu2, &form.PopupMenu3, &form.PopupMenu4}) {
        if (MenuItem* item = FindItem(menu->Items(), trigger)) {
            // A disabled item cannot be chosen; its binding is still checked.
            if (item->Enabled()) {
                item->Click();
            } else {
                Fire(item->OnClick);
            }
            return true;
        }
    }
    return false;
}

using CommandMap = FormTest;

TEST_F(CommandMap, EveryTriggerRunsItsCommand) {
    RecordCommands(form, ran);
    for (const auto& [trigger, command] : TriggersAndCommands) {
        ran.clear();
        ASSERT_TRUE(Trigger(form, trigger)) << testing::PrintToString(trigger);
        EXPECT_EQ(ran, std::vector<std::string>{command}) << testing::PrintToString(trigger);
    }
}

TEST_F(CommandMap, BindsNothingBeyondTheTriggersItLists) {
    std::set<std::string> expectedCommands;
    for (const auto& entry : TriggersAndCommands) expectedCommands.insert(entry.second);
    std::set<std::string> commands;
    std::size_t triggers = 0;
    for (const CommandBinding& binding : form.CommandMap()) {
        EXPECT_TRUE(commands.insert(std::string(binding.command)).second)
            << binding.command << " appears twice";
        triggers += binding.triggers.size();
    }
    EXPECT_EQ(commands, expectedCommands);
    EXPECT_EQ(triggers, TriggersAndCommands.size());
}

TEST_F(CommandMap, DriveListColumnClickAndSortingAreBound) {
    EXPECT_TRUE(form.ListView1.OnColumnClick);
    EXPECT_TRUE(form.ListView1.OnCompare);
}

// The handlers built with the menus, run through their real bindings.
using MenuCommands = FormTest;

TEST_F(MenuCommands, OpeningTheTabMenuCopiesTheSettingsIntoItsMarks) {
    struct Case {
        int dropPolicy;
        int residence;
        bool stayOnTop, autoWidth, closeQuery, saveStatus;
    };
    for (const Case& c :
         {Case{1, 1, true, false, true, false}, Case{2, 0, false, true, false, true},
          Case{0, 1, true, true, true, true}}) {
        form.RadioGroup2.SetItemIndex(c.dropPolicy);
        form.RadioGroup1.SetItemIndex(c.residence);
        form.CheckBoxStayOnTop.SetChecked(c.stayOnTop);
        form.CheckBoxAutoWidth.SetChecked(c.autoWidth);
        form.CheckBoxCloseQuery.SetChecked(c.closeQuery);
        form.CheckBoxSaveStatus.SetChecked(c.saveStatus);

        Fire(form.PopupMenu3.OnPopup);

        SCOPED_TRACE("drop policy " + std::to_string(c.dropPolicy));
        EXPECT_EQ(form.Pm3DDReject.Checked(), c.dropPolicy == 0);
        EXPECT_EQ(form.Pm3DDAccept.Checked(), c.dropPolicy == 1);
        EXPECT_EQ(form.Pm3DDEachTime.Checked(), c.dropPolicy == 2);
        EXPECT_EQ(form.Pm3TaskBar.Checked(), c.residence == 0);
        EXPECT_EQ(form.Pm3TaskTray.Checked(), c.residence == 1);
        EXPECT_EQ(form.Pm3StayOnTop.Checked(), c.stayOnTop);
        EXPECT_EQ(form.pm3AdjustColWidth1.Checked(), c.autoWidth);
        EXPECT_EQ(form.pm3AdjustColWidth2.Checked(), c.autoWidth);
        EXPECT_EQ(form.Pm3CloseQuery.Checked(), c.closeQuery);
        EXPECT_EQ(form.Pm3SaveStatus.Checked(), c.saveStatus);
    }
}

TEST_F(MenuCommands, NoSelectionInARadioGroupLeavesItsMarks) {
    form.RadioGroup1.SetItemIndex(-1);
    form.RadioGroup2.SetItemIndex(-1);
    Fire(form.PopupMenu3.OnPopup);
    EXPECT_TRUE(form.Pm3TaskBar.Checked()) << "as designed";
    EXPECT_TRUE(form.Pm3DDReject.Checked());
    form.Pm3TaskTray.SetChecked(true);
    Fire(form.PopupMenu3.OnPopup);
    EXPECT_TRUE(form.Pm3TaskTray.Checked());
    EXPECT_FALSE(form.Pm3TaskBar.Checked());
}

TEST_F(MenuCommands, LinkageItemsFollowTheButtonsAndSwitchTheLinkage) {
    auto linkage = [&] {
        Fire(form.PopupMenu3.OnPopup);
        EXPECT_EQ(form.Pm3Start.Enabled(), form.ButtonStart.Enabled());
        EXPECT_EQ(form.Pm3Stop.Enabled(), form.ButtonStop.Enabled());
        return !form.ButtonStart.Enabled() && form.ButtonStop.Enabled();
    };
    EXPECT_TRUE(linkage()) << "on from the start";
    form.Pm3Stop.Click();
    EXPECT_FALSE(linkage());
    form.Pm3Start.Click();
    EXPECT_TRUE(linkage());
}

TEST_F(MenuCommands, ViewMarksFollowTheClientHeight) {
    form.StatusBar1.SetBounds({0, 200, 400, 219});
    for (const auto& [clientHeight, compact] : {std::pair{219, false}, {19, true}, {20, false}}) {
        fakes.presentation.outerHeight = fakes.presentation.nonClientHeight + clientHeight;
        Fire(form.PopupMenu4.OnPopup);
        Fire(form.PopupMenu3.OnPopup);
        EXPECT_EQ(form.Pm4Shrink.Checked(), compact) << clientHeight;
        EXPECT_EQ(form.Pm4Spread.Checked(), !compact) << clientHeight;
        EXPECT_EQ(form.Pm3StatusShrink.Checked(), compact) << clientHeight;
        EXPECT_EQ(form.Pm3StatusSpread.Checked(), !compact) << clientHeight;
    }
}

TEST_F(MenuCommands, TrayMenuShowsTheFullBinWhileTheBinHoldsItems) {
    for (const auto& [count, image] : {std::pair{3, 1}, {0, 0}, {-7, 1}}) {
        form.Monitor.LastItemCount = count;
        Fire(form.PopupMenu1.OnPopup);
        EXPECT_EQ(form.Pm1OpenRb.ImageIndex(), image) << count;
    }
}

TEST_F(MenuCommands, SettingsItemsSetTheSettingsControls) {
    form.Pm3DDAccept.Click();
    EXPECT_EQ(form.RadioGroup2.ItemIndex(), 1);
    form.Pm3DDEachTime.Click();
    EXPECT_EQ(form.RadioGroup2.ItemIndex(), 2);
    form.Pm3DDReject.Click();
    EXPECT_EQ(form.RadioGroup2.ItemIndex(), 0);
    form.Pm3TaskTray.Click();
    EXPECT_EQ(form.RadioGroup1.ItemIndex(), 1);
    form.Pm3TaskBar.Click();
    EXPECT_EQ(form.RadioGroup1.ItemIndex(), 0);

    // Each check item toggles its mark, copied from its check box when the menu opened.
    Fire(form.PopupMenu3.OnPopup);
    form.Pm3StayOnTop.Click();
    form.Pm3CloseQuery.Click();
    form.Pm3SaveStatus.Click();
    EXPECT_TRUE(form.CheckBoxStayOnTop.Checked());
    EXPECT_TRUE(form.CheckBoxCloseQuery.Checked());
    EXPECT_FALSE(form.CheckBoxSaveStatus.Checked());
    Fire(form.PopupMenu3.OnPopup);
    form.Pm3StayOnTop.Click();
    EXPECT_FALSE(form.CheckBoxStayOnTop.Checked());
}

TEST_F(MenuCommands, CloseItemsAskTheWindowToClose) {
    int requests = 0;
    form.RequestClose = [&] { ++requests; };
    form.Pm1Close.Click();
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(RunShortcut(form.ListView1, ShortcutEsc)) << "Esc inside the pages";
    EXPECT_TRUE(RunShortcut(form, ShortcutEsc)) << "Esc with the window itself focused";
    EXPECT_EQ(requests, 3);
}

}  // namespace
}  // namespace zubolo
