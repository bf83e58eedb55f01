#include "mainwindow/ZuboloForm.h"

#include "resource.h"

namespace zubolo {
namespace {

constexpr Margins PageMargins{3, 3, 3, 3};
constexpr Margins CheckBoxMargins{6, 0, 3, 0};
// Room for the box and its caption "Show Hint" with some to spare.
constexpr int ShowHintDesignWidth = 80;
const std::vector<double> Half{50.0, 50.0};
const std::vector<double> Third{33.33, 33.33, 33.34};
const std::vector<double> Whole{100.0};

void Describe(Control& control, std::u16string caption, std::u16string hint, int tabOrder) {
    control.SetCaption(std::move(caption));
    control.SetHint(std::move(hint));
    control.SetTabOrder(tabOrder);
}

void PutInCell(GridPanel& grid, Control& control, GridCell cell, Margins margins = PageMargins) {
    grid.Add(control);
    control.PlaceInCell(cell);
    control.SetMargins(margins);
}

void Fill(Control& parent, Control& child, Margins margins = PageMargins) {
    parent.Add(child);
    child.SetAlign(Align::Client);
    child.SetMargins(margins);
}

void MakeButton(Button& button, const ImageList& images, int imageIndex, int imageMargin = 3) {
    button.SetImage(&images, imageIndex);
    button.SetImageMargin(imageMargin);
    button.SetHandCursor(true);
}

struct ButtonRow {
    Button& button;
    const char16_t* caption;
    const char16_t* hint;
    int image;
};

// A group box filled by a one-column grid with one button per row, in tab order.
void ButtonColumn(GroupBox& group, GridPanel& grid, const ImageList& images,
                  std::initializer_list<ButtonRow> rows) {
    Fill(group, grid);
    grid.SetGrid(Whole, Third);
    int row = 0;
    for (const ButtonRow& r : rows) {
        PutInCell(grid, r.button, {0, row});
        Describe(r.button, r.caption, r.hint, row);
        MakeButton(r.button, images, r.image);
        ++row;
    }
}

}  // namespace

TZuboloForm::TZuboloForm(Application& application, FormServices& services)
    : Control(ControlKind::Form, u"ZuboloForm"),
      App(application),
      Services(services),
      ImageListBin(u"ImageListBin", IDI_IMAGELIST_BIN, IMAGELIST_BIN_COUNT),
      ImageListPage(u"ImageListPage", IDI_IMAGELIST_PAGE, IMAGELIST_PAGE_COUNT),
      ImageList2(u"ImageList2", IDI_IMAGELIST_2, IMAGELIST_2_COUNT),
      ImageList3(u"ImageList3", IDI_IMAGELIST_3, IMAGELIST_3_COUNT),
      ImageList21(u"ImageList21", IDI_IMAGELIST_21, IMAGELIST_21_COUNT),
      ImageList0(u"ImageList0", IDI_IMAGELIST_0, IMAGELIST_0_COUNT) {
    SetDesignBounds({DesignLeft, DesignTop, DesignLeft + DesignWidth, DesignTop + DesignHeight});
    ImageList1.SetPlaceholderResource(IDI_DRIVE_PLACEHOLDER);
    // The status bar claims the bottom edge before the page control fills the rest.
    BuildStatusBar();
    BuildPageControl();
    BuildPopupMenus();
    BindCommands();
}

TZuboloForm::~TZuboloForm() {
    Services.diskQueries.Abandon();
}

void TZuboloForm::BuildStatusBar() {
    Add(StatusBar1);
    StatusBar1.SetAlign(Align::Bottom);
    StatusBar1.SetDesignBounds({0, 0, 0, 19});
    StatusBar1.SetHint(u"View Style");
    StatusBar1.SetHandCursor(true);
    StatusBar1.SetTabStop(false);
    StatusBar1.SetPanels({{120, u"", TextAlign::Center}, {999, u"", TextAlign::Center}});
}

void TZuboloForm::BuildPageControl() {
    Add(PageControl1);
    PageControl1.SetAlign(Align::Client);
    PageControl1.SetTabStop(false);
    PageControl1.SetImages(&ImageListPage);
    BuildFilePage();
    BuildStatusPage();
    BuildSettingsPage();
    BuildHelpPage();
    BuildDevelopPage();
}

void TZuboloForm::BuildFilePage() {
    PageControl1.AddPage(TabSheetFile);
    TabSheetFile.SetCaption(u"ファイル");
    TabSheetFile.SetImageIndex(0);
    Fill(TabSheetFile, GridPanel6);
    GridPanel6.SetGrid(Half, Whole);

    PutInCell(GridPanel6, GroupBox3, {0, 0});
    Describe(GroupBox3, u"連携", u"Activity", 0);
    ButtonColumn(GroupBox3, GridPanel7, ImageList0,
                 {{ButtonStart, u"連携を開始", u"Activate Connect", 0},
                  {ButtonStop, u"連携を解除", u"Disconnect", 1},
                  {ButtonOpen2, u"ごみ箱を開く", u"Open RecycleBin", 2}});
    ButtonStart.SetEnabled(false);

    PutInCell(GridPanel6, GroupBox4, {1, 0});
    Describe(GroupBox4, u"ごみ箱", u"RecycleBin", 1);
    ButtonColumn(
        GroupBox4, GridPanel8, ImageList0,
        {{ButtonDeskTopRb, u"デスクトップ アイコンの設定", u"DeskTop Icons", 4},
         {ButtonShowPropertiesRb, u"ごみ箱のプロパティ を表示", u"Properties RecycleBin", 5},
         {ButtonAddRb, u"私設ごみ箱 を追加作成", u"Create Private RecycleBin", 6}});
}

void TZuboloForm::BuildStatusPage() {
    PageControl1.AddPage(TabSheetStatus);
    TabSheetStatus.SetCaption(u"表示");
    TabSheetStatus.SetImageIndex(1);

    TabSheetStatus.Add(ButtonOpenRb);
    ButtonOpenRb.SetAlign(Align::Bottom);
    ButtonOpenRb.SetDesignBounds({0, 0, 0, 27});
    ButtonOpenRb.SetMargins(PageMargins);
    Describe(ButtonOpenRb, u"ごみ箱を開く", u"Open RecycleBin", 1);
    MakeButton(ButtonOpenRb, ImageListBin, 0);

    Fill(TabSheetStatus, ListView1);
    Describe(ListView1, u"", u"Drive Information", 0);
    ListView1.SetSmallImages(&ImageList1);
    ListView1.SetColumns({{u"場所", TextAlign::Left, 32},
                          {u"総容量(a)", TextAlign::Right, 0},
                          {u"使用容量(b)", TextAlign::Right, 0},
                          {u"使用率(b/a)", TextAlign::Right, 48},
                          {u"ごみ箱分(c)", TextAlign::Right, 48},
                          {u"占有率(c/a)", TextAlign::Right, 48}});
}

void TZuboloForm::BuildSettingsPage() {
    PageControl1.AddPage(TabSheetSettings);
    TabSheetSettings.SetCaption(u"設 定");
    TabSheetSettings.SetImageIndex(2);
    TabSheetSettings.Add(GridPanel5);
    GridPanel5.SetDesignBounds({3, 16, 3 + 406, 16 + 161});
    GridPanel5.SetGrid(Third, Third);

    PutInCell(GridPanel5, GroupBox2, {0, 0, 1, 3});
    Describe(GroupBox2, u"起動ショートカット", u"ShortCut", 0);
    ButtonColumn(GroupBox2, GridPanel4, ImageList2,
                 {{ButtonDeskTop, u"デスクトップに登録", u"To DeskTop", 0},
                  {ButtonStartMenu, u"スタートメニューに登録", u"To StartMenu", 1},
                  {ButtonStartUp, u"スタートアップに登録", u"To StartUp", 2}});

    PutInCell(GridPanel5, RadioGroup2, {1, 0, 1, 3});
    Describe(RadioGroup2, u"ドラッグ＆ドロップ", u"Drag & Drop", 1);
    RadioGroup2.SetItems({u"受け取らない", u"受け取る（そのまま ごみ箱へ）", u"毎回確認する"});
    RadioGroup2.SetItemIndex(0);

    PutInCell(GridPanel5, GroupBox5, {2, 0});
    Describe(GroupBox5, u"表示", u"FormView", 2);
    Fill(GroupBox5, GridPanel1, Margins{});
    GridPanel1.SetGrid(Half, Whole);
    PutInCell(GridPanel1, CheckBoxStayOnTop, {0, 0}, CheckBoxMargins);
    Describe(CheckBoxStayOnTop, u"常に最前面", u"Stay On Top", 0);
    CheckBoxStayOnTop.SetHandCursor(true);
    PutInCell(GridPanel1, CheckBoxAutoWidth, {1, 0});
    Describe(CheckBoxAutoWidth, u"自動幅調整", u"Adjust Width", 1);
    CheckBoxAutoWidth.SetHandCursor(true);
    CheckBoxAutoWidth.SetChecked(true);

    PutInCell(GridPanel5, RadioGroup1, {2, 1});
    Describe(RadioGroup1, u"最小化時", u"Iconized At", 3);
    RadioGroup1.SetItems({u"タスクバー", u"タスクトレイ"});
    RadioGroup1.SetColumns(2);
    RadioGroup1.SetItemIndex(0);

    PutInCell(GridPanel5, GroupBox1, {2, 2});
    Describe(GroupBox1, u"終了時", u"At Closing", 4);
    Fill(GroupBox1, GridPanel3);
    GridPanel3.SetGrid(Half, Whole);
    PutInCell(GridPanel3, CheckBoxCloseQuery, {0, 0}, CheckBoxMargins);
    Describe(CheckBoxCloseQuery, u"確認する", u"Close Query", 0);
    CheckBoxCloseQuery.SetHandCursor(true);
    PutInCell(GridPanel3, CheckBoxSaveStatus, {1, 0}, CheckBoxMargins);
    Describe(CheckBoxSaveStatus, u"状態を保存", u"Save status", 1);
    CheckBoxSaveStatus.SetHandCursor(true);
    CheckBoxSaveStatus.SetChecked(true);
}

void TZuboloForm::BuildHelpPage() {
    PageControl1.AddPage(TabSheetHelp);
    TabSheetHelp.SetCaption(u"ヘルプ");
    TabSheetHelp.SetImageIndex(3);
    Fill(TabSheetHelp, GridPanel2);
    GridPanel2.SetGrid(Half, Third);
    GridPanel2.SetPadding(2);

    constexpr Margins ButtonMargins{4, 4, 4, 4};
    struct HelpButton {
        Button& button;
        GridCell cell;
        const char16_t* caption;
        const char16_t* hint;
        int image;
        int tabOrder;
    };
    for (const HelpButton& b :
         {HelpButton{ButtonHelp, {0, 0}, u"ヘルプ表示", u"Help", 0, 0},
          HelpButton{ButtonDonation, {1, 0}, u"開発支援", u"Donation", 3, 3},
          HelpButton{ButtonAbout, {0, 1}, u"バージョン情報", u"About", 1, 1},
          HelpButton{ButtonHomeSite, {1, 1}, u"ホームページ", u"HomeSite", 4, 4},
          HelpButton{ButtonProperties, {0, 2}, u"プロパティ表示", u"Properties", 2, 2}}) {
        PutInCell(GridPanel2, b.button, b.cell, ButtonMargins);
        Describe(b.button, b.caption, b.hint, b.tabOrder);
        MakeButton(b.button, ImageList3, b.image);
    }
    // Along the left edge of its cell at its own width; GridPanel2Resize centres it by its left
    // margin.
    PutInCell(GridPanel2, CheckBoxShowHint, {1, 2}, Margins{40, 3, 3, 3});
    CheckBoxShowHint.SetAlign(Align::CellLeft);
    CheckBoxShowHint.SetDesignBounds({0, 0, ShowHintDesignWidth, 0});
    Describe(CheckBoxShowHint, u"Show Hint", u"Show Item Hint", 5);
    CheckBoxShowHint.SetHandCursor(true);
}

void TZuboloForm::BuildDevelopPage() {
    PageControl1.AddPage(TabSheetDevelop);
    TabSheetDevelop.SetCaption(u"開発用");
    TabSheetDevelop.Add(Image1);
    Image1.SetAlign(Align::Left);
    Image1.SetDesignBounds({0, 0, 57, 0});
    Image1.SetTabStop(false);
    TabSheetDevelop.Add(Memo1);
    Memo1.SetAlign(Align::Client);
    Memo1.SetCaption(u"Memo1");
    Memo1.SetTabStop(false);
}

}  // namespace zubolo
