#pragma once
#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

#include "drives/DriveSort.h"
#include "linkage/ExplorerLink.h"
#include "mainwindow/CommandMap.h"
#include "mainwindow/FormServices.h"
#include "monitor/ReadingSchedule.h"
#include "monitor/RecycleBinMonitor.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Menu.h"
#include "ui/Timer.h"
#include "ui/TrayIcon.h"

namespace zubolo {

// The main window: its controls under their component names, laid out in design pixels at
// 96 dots per inch. The window system mirrors this tree; handlers read and write it.
class TZuboloForm : public Control {
  public:
    TZuboloForm(Application& application, FormServices& services);
    // Answers still to come from the background readings are dropped.
    ~TZuboloForm() override;

    // The creation sequence: title and caption, the first tick, the placement and modes of the
    // settings file, hints, the status page in front, the drop target, the development page out
    // of sight, the files named on the command line. The window is still hidden while it runs.
    void FormCreate();

    Application& App;
    FormServices& Services;

    // The real window's handle, once the window system has made it; 0 before.
    WindowHandle Handle() const { return handle_; }
    void SetHandle(WindowHandle handle) { handle_ = handle; }

    static constexpr int DesignWidth = 463;
    static constexpr int DesignHeight = 285;
    static constexpr int DesignLeft = 398;
    static constexpr int DesignTop = 375;
    static constexpr const char16_t* FontName = u"Meiryo UI";
    static constexpr int FontPixelHeight = 11;

    // Image lists.
    ImageList ImageList1{u"ImageList1", 0, 0};
    ImageList ImageListBin;
    ImageList ImageListPage;
    ImageList ImageList2;
    ImageList ImageList3;
    ImageList ImageList21;
    ImageList ImageList0;

    StatusBar StatusBar1{u"StatusBar1"};
    PageControl PageControl1{u"PageControl1"};

    TabSheet TabSheetFile{u"TabSheetFile"};
    GridPanel GridPanel6{u"GridPanel6"};
    GroupBox GroupBox3{u"GroupBox3"};
    GridPanel GridPanel7{u"GridPanel7"};
    Button ButtonStart{u"ButtonStart"};
    Button ButtonStop{u"ButtonStop"};
    Button ButtonOpen2{u"ButtonOpen2"};
    GroupBox GroupBox4{u"GroupBox4"};
    GridPanel GridPanel8{u"GridPanel8"};
    Button ButtonDeskTopRb{u"ButtonDeskTopRb"};
    Button ButtonShowPropertiesRb{u"ButtonShowPropertiesRb"};
    Button ButtonAddRb{u"ButtonAddRb"};

    TabSheet TabSheetStatus{u"TabSheetStatus"};
    ListView ListView1{u"ListView1"};
    Button ButtonOpenRb{u"ButtonOpenRb"};

    TabSheet TabSheetSettings{u"TabSheetSettings"};
    GridPanel GridPanel5{u"GridPanel5"};
    GroupBox GroupBox2{u"GroupBox2"};
    GridPanel GridPanel4{u"GridPanel4"};
    Button ButtonDeskTop{u"ButtonDeskTop"};
    Button ButtonStartMenu{u"ButtonStartMenu"};
    Button ButtonStartUp{u"ButtonStartUp"};
    RadioGroup RadioGroup2{u"RadioGroup2"};
    GroupBox GroupBox5{u"GroupBox5"};
    GridPanel GridPanel1{u"GridPanel1"};
    CheckBox CheckBoxStayOnTop{u"CheckBoxStayOnTop"};
    CheckBox CheckBoxAutoWidth{u"CheckBoxAutoWidth"};
    RadioGroup RadioGroup1{u"RadioGroup1"};
    GroupBox GroupBox1{u"GroupBox1"};
    GridPanel GridPanel3{u"GridPanel3"};
    CheckBox CheckBoxCloseQuery{u"CheckBoxCloseQuery"};
    CheckBox CheckBoxSaveStatus{u"CheckBoxSaveStatus"};

    TabSheet TabSheetHelp{u"TabSheetHelp"};
    GridPanel GridPanel2{u"GridPanel2"};
    Button ButtonHelp{u"ButtonHelp"};
    Button ButtonDonation{u"ButtonDonation"};
    Button ButtonAbout{u"ButtonAbout"};
    Button ButtonHomeSite{u"ButtonHomeSite"};
    Button ButtonProperties{u"ButtonProperties"};
    CheckBox CheckBoxShowHint{u"CheckBoxShowHint"};

    TabSheet TabSheetDevelop{u"TabSheetDevelop"};
    ImageBox Image1{u"Image1"};
    Memo Memo1{u"Memo1"};

    Timer Timer1{1000};
    TrayIcon TrayIcon1;

    // The one-second tick: the clock in status panel 0 and, while the linkage is on, the
    // Recycle Bin reading in panel 1, the application title, the Explorer window's caption and
    // the tray hint, and the drive table kept in step with the drives and the bin
    // (MonitorHandlers.cpp).
    void Timer1Timer();
    // Switches the linkage on, makes the next reading count as a change and the drive rows anew.
    void ButtonStartClick();
    // The open-recycle-bin buttons show the empty or the full bin.
    void SetBinButtonImages(bool full);
    // Their pictures: ButtonOpenRb's in ImageListBin, ButtonOpen2's in ImageList0.
    static constexpr int BinEmptyImage = 0;
    static constexpr int BinFullImage = 1;
    static constexpr int Open2EmptyImage = 2;
    static constexpr int Open2FullImage = 3;
    // The linkage is on while ButtonStart is disabled and ButtonStop enabled.
    bool LinkageOn() const;
    MonitorState Monitor;
    // The bin and the drives are read away from the window's thread, one reading at a time; the
    // tick and the drive table take the answers when they arrive.
    ReadingSchedule Readings;
    // Takes the whole bin's answer that a tick asked for: panel 1, the title, the Explorer
    // caption, the tray hint and, on a change, a refresh of the drive table.
    void WholeBinRead(const RecycleBinQuery& query);

    // Switches the linkage off: the drive table and panel 1 empty, the linked Explorer window
    // gets its usual caption back (LinkageHandlers.cpp).
    void ButtonStopClick();
    // Opens the Recycle Bin in Explorer and links to that window at once.
    void ButtonOpenRbClick();
    // While the linkage is on: finds the Explorer window that shows the bin and writes `text`
    // (the panel 1 text) into its caption. While it is off: nothing at all.
    void UpdateLinkedWindowTitle(std::u16string_view text);
    ExplorerLink Linkage;

    // Creation and closing (FormLifecycle.cpp, FormSettings.cpp).
    // Every request to close the window runs this; CanClose set to false keeps the window open.
    void FormCloseQuery(bool& CanClose);
    // A request to close the window: true when FormCloseQuery lets it close.
    bool CloseQuery();
    // The system asks before logoff or shutdown; true lets them go on.
    bool WMQueryEndSession();
    // The window has just been shown (true) or hidden (false).
    void CMShowingChanged(bool showing);
    // The application's message hook: sees every queued message before it is dispatched and
    // returns true when it handled it.
    bool AppMessage(const QueuedMessage& message);
    // The moment the window was created.
    LocalDateTime AppStartTime1;
    // True only while the close request comes from the system's logoff or shutdown query.
    bool FQueryEndSession = false;
    // Outer height of the detailed view, kept while the compact view is shown.
    std::int32_t OriginHeight1 = 0;
    // Seeded from the clock at creation; the About box draws its colours from it.
    std::mt19937 Random;

    // Stay-on-top and hints follow their check boxes (StayOnTopAndHintHandlers.cpp).
    void CheckBoxStayOnTopClick();
    void CheckBoxShowHintClick();

    // Popup menus (items in PopupMenus.cpp, marks and commands in MenuCommands.cpp) and the
    // command map (CommandMap.cpp).
    // The tray icon's menu; also the window's context menu, with its automatic popup off.
    PopupMenu PopupMenu1{u"PopupMenu1"};
    MenuItem PmTrayIcon1{u"PmTrayIcon1"};
    MenuItem Pm1Restore{u"Pm1Restore"};
    MenuItem Pm1OpenRb{u"Pm1OpenRb"};
    MenuItem Pm1Close{u"Pm1Close"};
    // The drive list's menu.
    PopupMenu PopupMenu2{u"PopupMenu2"};
    MenuItem ListView2{u"ListView2"};
    MenuItem pm2Explorer{u"pm2Explorer"};
    MenuItem pm2OpenPC1{u"pm2OpenPC1"};
    MenuItem pm2OpenDeskTop{u"pm2OpenDeskTop"};
    MenuItem pm2OpenHome{u"pm2OpenHome"};
    MenuItem pm2OpenUser{u"pm2OpenUser"};
    MenuItem N12{u"N12"};
    MenuItem pm2OpenCPanel{u"pm2OpenCPanel"};
    MenuItem pm2OpenRb{u"pm2OpenRb"};
    MenuItem N13{u"N13"};
    MenuItem pm2TaskMgr{u"pm2TaskMgr"};
    MenuItem N11{u"N11"};
    MenuItem pm2OpenDrive{u"pm2OpenDrive"};
    MenuItem Pm2ShowDriveProperties{u"Pm2ShowDriveProperties"};
    MenuItem Pm2ShowDriveBinProperties{u"Pm2ShowDriveBinProperties"};
    MenuItem N1{u"N1"};
    MenuItem pm2AdjustColWidth{u"pm2AdjustColWidth"};
    MenuItem Pm2UpdateListView{u"Pm2UpdateListView"};
    // The tab control's menu.
    PopupMenu PopupMenu3{u"PopupMenu3"};
    MenuItem PageControl2{u"PageControl2"};
    MenuItem Pm3File{u"Pm3File"};
    MenuItem Pm3Start{u"Pm3Start"};
    MenuItem Pm3Stop{u"Pm3Stop"};
    MenuItem Pm3OpenRb2{u"Pm3OpenRb2"};
    MenuItem N2{u"N2"};
    MenuItem Pm3DeskTopRb{u"Pm3DeskTopRb"};
    MenuItem Pm3PropertiesRb{u"Pm3PropertiesRb"};
    MenuItem Pm3AddRb{u"Pm3AddRb"};
    MenuItem Pm3StatusRb{u"Pm3StatusRb"};
    MenuItem Pm3StatusSpread{u"Pm3StatusSpread"};
    MenuItem Pm3StatusShrink{u"Pm3StatusShrink"};
    MenuItem N6{u"N6"};
    MenuItem pm3AdjustColWidth1{u"pm3AdjustColWidth1"};
    MenuItem N10{u"N10"};
    MenuItem pm3OpenRb{u"pm3OpenRb"};
    MenuItem Pm3Settings{u"Pm3Settings"};
    MenuItem Pm3DeskTop{u"Pm3DeskTop"};
    MenuItem Pm3StartMenu{u"Pm3StartMenu"};
    MenuItem Pm3StartUp{u"Pm3StartUp"};
    MenuItem N3{u"N3"};
    MenuItem Pm3DDReject{u"Pm3DDReject"};
    MenuItem Pm3DDAccept{u"Pm3DDAccept"};
    MenuItem Pm3DDEachTime{u"Pm3DDEachTime"};
    MenuItem N8{u"N8"};
    MenuItem Pm3StayOnTop{u"Pm3StayOnTop"};
    MenuItem pm3AdjustColWidth2{u"pm3AdjustColWidth2"};
    MenuItem N5{u"N5"};
    MenuItem Pm3TaskBar{u"Pm3TaskBar"};
    MenuItem Pm3TaskTray{u"Pm3TaskTray"};
    MenuItem N4{u"N4"};
    MenuItem Pm3CloseQuery{u"Pm3CloseQuery"};
    MenuItem Pm3SaveStatus{u"Pm3SaveStatus"};
    MenuItem Pm3Help{u"Pm3Help"};
    MenuItem Pm3ShowHelp{u"Pm3ShowHelp"};
    MenuItem Pm3About{u"Pm3About"};
    MenuItem N9{u"N9"};
    MenuItem Pm3Properties{u"Pm3Properties"};
    MenuItem Pm3Donation{u"Pm3Donation"};
    MenuItem Pm3HomeSite{u"Pm3HomeSite"};
    MenuItem N7{u"N7"};
    MenuItem Pm3Close{u"Pm3Close"};
    // The status bar's menu.
    PopupMenu PopupMenu4{u"PopupMenu4"};
    MenuItem StatusBar2{u"StatusBar2"};
    MenuItem Pm4Spread{u"Pm4Spread"};
    MenuItem Pm4Shrink{u"Pm4Shrink"};

    // Fills the four menus and tells each control which menu a right click on it opens.
    void BuildPopupMenus();
    // Every command that controls and menu items run, with the event slots that run it. The
    // drive list's column click and sort comparison pass values and are bound beside it.
    std::vector<CommandBinding> CommandMap();
    void BindCommands();
    // Asks the window to close as its close box does, so that the close query decides. Set by the
    // window system.
    Handler RequestClose;

    void Pm1CloseClick();
    void PopupMenu1Popup();
    void PopupMenu3Popup();
    void PopupMenu4Popup();
    void Pm3StatusShrinkClick();
    void Pm3DDRejectClick();
    void Pm3DDAcceptClick();
    void Pm3DDEachTimeClick();
    void Pm3StayOnTopClick();
    void Pm3TaskBarClick();
    void Pm3TaskTrayClick();
    void Pm3CloseQueryClick();
    void Pm3SaveStatusClick();

    // Dropped files and files named on the command line go to the Recycle Bin under the drop
    // policy of RadioGroup2 (DisposalHandlers.cpp).
    // The window's handler of a drop; releases the drop in every case.
    void HandleDroppedFiles(NativeHandle drop);
    // Applies the drop policy to a file list (every path followed by "\r\n"); a process started
    // with files on its command line then asks to end.
    void ProcessFileList(std::u16string_view fileList);
    // Hands the files named on the command line, if any, to ProcessFileList.
    void ProcessCommandLineFiles();

    // The detailed and the compact view, the tab width and the centring of "Show Hint"
    // (ViewHandlers.cpp).
    // The view is compact while the client area is exactly as tall as the status bar.
    bool CompactView() const;
    void StatusBar1Click();
    void Pm4ShrinkClick();
    void Pm4SpreadClick();
    void PageControl1Resize();
    void GridPanel2Resize();

    // Taskbar button or notification-area icon while minimized (TrayHandlers.cpp).
    void AppMinimize();
    void AppRestore();
    void Pm1RestoreClick();

    // Shell locations, tools and property sheets (LocationHandlers.cpp).
    void ButtonDeskTopRbClick();
    void ButtonShowPropertiesRbClick();
    void ButtonPropertiesClick();
    void pm2OpenPC1Click();
    void pm2OpenDeskTopClick();
    void pm2OpenHomeClick();
    void pm2OpenUserClick();
    void pm2OpenCPanelClick();
    void pm2TaskMgrClick();

    // The program's shortcut on the Desktop, in the Start menu's programs folder, in the Startup
    // folder and in the Send-To folder (ShortcutHandlers.cpp). No control runs
    // ButtonAddSendToClick.
    void ButtonDeskTopClick();
    void ButtonStartMenuClick();
    void ButtonStartUpClick();
    void ButtonAddSendToClick();
    // Creates, updates or removes the shortcut to `targetPath` in the special folder `csidl`,
    // called `folderName` in the boxes. The application title becomes "ずぼろ" and stays so.
    void RegisterShortcut(std::int32_t csidl, std::u16string_view folderName,
                          std::u16string_view targetPath);

    // A new private recycle bin on the Desktop (PrivateBinHandlers.cpp).
    void ButtonAddRbClick();

    // The help file and the maker's web pages (HelpHandlers.cpp).
    void ButtonHelpClick();
    void ButtonDonationClick();
    void ButtonHomeSiteClick();
    // The About box, modal; returns when it is closed (AboutHandlers.cpp).
    void ButtonAboutClick();

    // The drive table (DriveHandlers.cpp): one row per drive with its sizes and its bin's share,
    // refreshed while page "表示" is in front; sorting by a header click and the list's menu.
    // Makes the rows and their pictures afresh, with empty figures.
    void RebuildDriveList();
    // Has the figures of the rows read; DriveTableRead fills them in with status panel 1, the
    // application title and the button pictures.
    void RefreshDriveStatistics();
    void DriveTableRead(const std::vector<std::u16string>& captions,
                        const std::vector<DiskAnswer>& answers);
    // Fits the columns to their texts while CheckBoxAutoWidth is ticked.
    void AdjustColumnWidths();
    // Sort column and direction of the drive list, and what the list's commands work on.
    DriveListState DriveList;
    void ListView1ColumnClick(int column);
    int ListView1Compare(const ListItem& item1, const ListItem& item2);
    void PageControl1Change();
    void PopupMenu2Popup();
    void pm2OpenDriveClick();
    void Pm2ShowDrivePropertiesClick();
    void Pm2ShowDriveBinPropertiesClick();
    void pm2AdjustColWidthClick();
    void Pm2UpdateListViewClick();
    void pm3AdjustColWidth2Click();
    void Pm3StatusSpreadClick();

  private:
    WindowHandle handle_;

    void BuildStatusBar();
    void BuildPageControl();
    void BuildFilePage();
    void BuildStatusPage();
    void BuildSettingsPage();
    void BuildHelpPage();
    void BuildDevelopPage();
};

}  // namespace zubolo
