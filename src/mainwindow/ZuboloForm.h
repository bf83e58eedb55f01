#pragma once
#include "mainwindow/FormServices.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Timer.h"
#include "ui/TrayIcon.h"

namespace zubolo {

// The main window: its controls under their component names, laid out in design pixels at
// 96 dots per inch. The window system mirrors this tree; handlers read and write it.
class TZuboloForm : public Control {
  public:
    TZuboloForm(Application& application, FormServices& services);

    // The first steps of the window's creation: caption and title, the status page in front,
    // the development page out of sight, the settings grid filling its page.
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

  private:
    WindowHandle handle_ = 0;

    void BuildStatusBar();
    void BuildPageControl();
    void BuildFilePage();
    void BuildStatusPage();
    void BuildSettingsPage();
    void BuildHelpPage();
    void BuildDevelopPage();
};

}  // namespace zubolo
