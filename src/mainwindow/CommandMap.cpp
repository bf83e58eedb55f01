// The command map: which controls, menu items and events run each command of the main window.
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

// A binding takes its name from the handler it runs, so that the two cannot drift apart.
#define ZUBOLO_COMMAND(handler) #handler, [this] { handler(); }

std::vector<CommandBinding> TZuboloForm::CommandMap() {
    return {
        {ZUBOLO_COMMAND(Timer1Timer), {&Timer1.OnTimer}},
        {ZUBOLO_COMMAND(ButtonStartClick), {&ButtonStart.OnClick, &Pm3Start.OnClick}},
        {ZUBOLO_COMMAND(ButtonStopClick), {&ButtonStop.OnClick, &Pm3Stop.OnClick}},
        {ZUBOLO_COMMAND(ButtonOpenRbClick),
         {&ButtonOpen2.OnClick, &ButtonOpenRb.OnClick, &Pm1OpenRb.OnClick, &pm2OpenRb.OnClick,
          &Pm3OpenRb2.OnClick, &pm3OpenRb.OnClick}},
        {ZUBOLO_COMMAND(PageControl1Change), {&PageControl1.OnChange}},
        {ZUBOLO_COMMAND(PopupMenu2Popup), {&PopupMenu2.OnPopup}},
        {ZUBOLO_COMMAND(pm2OpenDriveClick), {&pm2OpenDrive.OnClick}},
        {ZUBOLO_COMMAND(Pm2ShowDrivePropertiesClick),
         {&Pm2ShowDriveProperties.OnClick, &ListView1.OnDblClick}},
        {ZUBOLO_COMMAND(Pm2ShowDriveBinPropertiesClick), {&Pm2ShowDriveBinProperties.OnClick}},
        {ZUBOLO_COMMAND(pm2AdjustColWidthClick),
         {&pm2AdjustColWidth.OnClick, &pm3AdjustColWidth1.OnClick}},
        {ZUBOLO_COMMAND(Pm2UpdateListViewClick), {&Pm2UpdateListView.OnClick}},
        {ZUBOLO_COMMAND(pm3AdjustColWidth2Click), {&pm3AdjustColWidth2.OnClick}},
        {ZUBOLO_COMMAND(ButtonDeskTopRbClick), {&ButtonDeskTopRb.OnClick, &Pm3DeskTopRb.OnClick}},
        {ZUBOLO_COMMAND(ButtonShowPropertiesRbClick),
         {&ButtonShowPropertiesRb.OnClick, &Pm3PropertiesRb.OnClick}},
        {ZUBOLO_COMMAND(ButtonPropertiesClick),
         {&ButtonProperties.OnClick, &Pm3Properties.OnClick}},
        {ZUBOLO_COMMAND(pm2OpenPC1Click), {&pm2OpenPC1.OnClick}},
        {ZUBOLO_COMMAND(pm2OpenDeskTopClick), {&pm2OpenDeskTop.OnClick}},
        {ZUBOLO_COMMAND(pm2OpenHomeClick), {&pm2OpenHome.OnClick}},
        {ZUBOLO_COMMAND(pm2OpenUserClick), {&pm2OpenUser.OnClick}},
        {ZUBOLO_COMMAND(pm2OpenCPanelClick), {&pm2OpenCPanel.OnClick}},
        {ZUBOLO_COMMAND(pm2TaskMgrClick), {&pm2TaskMgr.OnClick}},
        {ZUBOLO_COMMAND(ButtonDeskTopClick), {&ButtonDeskTop.OnClick, &Pm3DeskTop.OnClick}},
        {ZUBOLO_COMMAND(ButtonStartMenuClick), {&ButtonStartMenu.OnClick, &Pm3StartMenu.OnClick}},
        {ZUBOLO_COMMAND(ButtonStartUpClick), {&ButtonStartUp.OnClick, &Pm3StartUp.OnClick}},
        {ZUBOLO_COMMAND(ButtonAddRbClick), {&ButtonAddRb.OnClick, &Pm3AddRb.OnClick}},
        {ZUBOLO_COMMAND(StatusBar1Click), {&StatusBar1.OnClick}},
        {ZUBOLO_COMMAND(PageControl1Resize), {&PageControl1.OnResize}},
        {ZUBOLO_COMMAND(GridPanel2Resize), {&GridPanel2.OnResize}},
        {ZUBOLO_COMMAND(CheckBoxStayOnTopClick), {&CheckBoxStayOnTop.OnClick}},
        {ZUBOLO_COMMAND(CheckBoxShowHintClick), {&CheckBoxShowHint.OnClick}},
        {ZUBOLO_COMMAND(PopupMenu1Popup), {&PopupMenu1.OnPopup}},
        {ZUBOLO_COMMAND(Pm1RestoreClick), {&Pm1Restore.OnClick, &TrayIcon1.OnClick}},
        {ZUBOLO_COMMAND(Pm1CloseClick), {&Pm1Close.OnClick, &Pm3Close.OnClick}},
        {ZUBOLO_COMMAND(PopupMenu3Popup), {&PopupMenu3.OnPopup}},
        {ZUBOLO_COMMAND(Pm3StatusSpreadClick), {&Pm3StatusSpread.OnClick}},
        {ZUBOLO_COMMAND(Pm3StatusShrinkClick), {&Pm3StatusShrink.OnClick}},
        {ZUBOLO_COMMAND(Pm3DDRejectClick), {&Pm3DDReject.OnClick}},
        {ZUBOLO_COMMAND(Pm3DDAcceptClick), {&Pm3DDAccept.OnClick}},
        {ZUBOLO_COMMAND(Pm3DDEachTimeClick), {&Pm3DDEachTime.OnClick}},
        {ZUBOLO_COMMAND(Pm3StayOnTopClick), {&Pm3StayOnTop.OnClick}},
        {ZUBOLO_COMMAND(Pm3TaskBarClick), {&Pm3TaskBar.OnClick}},
        {ZUBOLO_COMMAND(Pm3TaskTrayClick), {&Pm3TaskTray.OnClick}},
        {ZUBOLO_COMMAND(Pm3CloseQueryClick), {&Pm3CloseQuery.OnClick}},
        {ZUBOLO_COMMAND(Pm3SaveStatusClick), {&Pm3SaveStatus.OnClick}},
        {ZUBOLO_COMMAND(PopupMenu4Popup), {&PopupMenu4.OnPopup}},
        {ZUBOLO_COMMAND(Pm4SpreadClick), {&Pm4Spread.OnClick}},
        {ZUBOLO_COMMAND(Pm4ShrinkClick), {&Pm4Shrink.OnClick}},
        {ZUBOLO_COMMAND(ButtonHelpClick), {&ButtonHelp.OnClick, &Pm3ShowHelp.OnClick}},
        {ZUBOLO_COMMAND(ButtonDonationClick), {&ButtonDonation.OnClick, &Pm3Donation.OnClick}},
        {ZUBOLO_COMMAND(ButtonHomeSiteClick), {&ButtonHomeSite.OnClick, &Pm3HomeSite.OnClick}},
        {ZUBOLO_COMMAND(ButtonAboutClick), {&ButtonAbout.OnClick, &Pm3About.OnClick}},
    };
}

#undef ZUBOLO_COMMAND

void TZuboloForm::BindCommands() {
    for (CommandBinding& binding : CommandMap()) {
        for (Handler* trigger : binding.triggers) *trigger = binding.run;
    }
    ListView1.OnColumnClick = [this](int column) { ListView1ColumnClick(column); };
    ListView1.OnCompare = [this](const ListItem& item1, const ListItem& item2) {
        return ListView1Compare(item1, item2);
    };
}

}  // namespace zubolo
