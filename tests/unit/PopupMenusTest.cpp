#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ContextMenus.h"
#include "unit/CommandRecorder.h"
#include "unit/FormFixture.h"

namespace zubolo {
namespace {

// One item as the menu tables describe it.
struct Row {
    std::u16string name;
    std::u16string parent;  // the menu for a top-level item, else the submenu head
    std::u16string caption;
    std::string attributes;
    int image;

    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    using testing::PrintToString;
    return out << PrintToString(row.name) << " in " << PrintToString(row.parent) << ", "
               << PrintToString(row.caption) << " [" << row.attributes << "] image " << row.image;
}

std::string Attributes(const MenuItem& item) {
    std::vector<std::string> words;
    if (item.IsSeparator()) words.push_back("separator");
    if (!item.Items().empty()) words.push_back("submenu");
    if (!item.Enabled()) words.push_back("disabled");
    if (!item.Visible()) words.push_back("hidden");
    if (item.AutoCheck()) words.push_back("auto-check");
    if (item.RadioItem()) words.push_back("radio");
    if (item.RadioItem() || item.GroupIndex() != 0) {
        words.push_back("group " + std::to_string(item.GroupIndex()));
    }
    if (item.Checked()) words.push_back("checked");
    if (item.Shortcut() == ShortcutEsc) words.push_back("shortcut Esc");
    if (item.Shortcut() == ShortcutF1) words.push_back("shortcut F1");
    std::string joined;
    for (const std::string& word : words) joined += (joined.empty() ? "" : ", ") + word;
    return joined;
}

// The items of `menu` in order, depth first. Which command an item runs is the command map's
// business (CommandMapTest).
std::vector<Row> Rows(const MenuItem& parent) {
    std::vector<Row> rows;
    for (MenuItem* item : parent.Items()) {
        rows.push_back(
            {item->Name(), parent.Name(), item->Caption(), Attributes(*item), item->ImageIndex()});
        for (Row& row : Rows(*item)) rows.push_back(std::move(row));
    }
    return rows;
}

const std::vector<Row> MenuRows = {
    {u"PmTrayIcon1", u"PopupMenu1", u"[TrayIcon]", "disabled, hidden", -1},
    {u"Pm1Restore", u"PopupMenu1", u"元の大きさに戻す", "", -1},
    {u"Pm1OpenRb", u"PopupMenu1", u"ごみ箱を開く", "", 0},
    {u"Pm1Close", u"PopupMenu1", u"終了", "shortcut Esc", -1},

    {u"ListView2", u"PopupMenu2", u"[ListView]", "disabled, hidden", -1},
    {u"pm2Explorer", u"PopupMenu2", u"エクスプローラーで開く", "submenu", 8},
    {u"pm2OpenPC1", u"pm2Explorer", u"PC", "disabled, hidden", 0},
    {u"pm2OpenDeskTop", u"pm2Explorer", u"デスクトップ", "", 1},
    {u"pm2OpenHome", u"pm2Explorer", u"ホーム", "", 2},
    {u"pm2OpenUser", u"pm2Explorer", u"ユーザー", "", 3},
    {u"N12", u"pm2Explorer", u"", "separator", -1},
    {u"pm2OpenCPanel", u"pm2Explorer", u"コントロールパネル", "", 4},
    {u"pm2OpenRb", u"pm2Explorer", u"ごみ箱", "", 5},
    {u"N13", u"pm2Explorer", u"", "separator", -1},
    {u"pm2TaskMgr", u"pm2Explorer", u"タスク マネージャー", "", 6},
    {u"N11", u"PopupMenu2", u"", "separator", -1},
    {u"pm2OpenDrive", u"PopupMenu2", u"ドライブを開く", "", -1},
    {u"Pm2ShowDriveProperties", u"PopupMenu2", u"ドライブのプロパティ", "", -1},
    {u"Pm2ShowDriveBinProperties", u"PopupMenu2", u"ドライブのごみ箱のプロパティ", "", -1},
    {u"N1", u"PopupMenu2", u"", "separator", -1},
    {u"pm2AdjustColWidth", u"PopupMenu2", u"最新の列幅に調整", "", -1},
    {u"Pm2UpdateListView", u"PopupMenu2", u"最新の情報に更新", "", 7},

    {u"PageControl2", u"PopupMenu3", u"[PageControl]", "disabled, hidden", -1},
    {u"Pm3File", u"PopupMenu3", u"ファイル", "submenu", 0},
    {u"Pm3Start", u"Pm3File", u"連携を開始", "", -1},
    {u"Pm3Stop", u"Pm3File", u"連携を解除", "", -1},
    {u"Pm3OpenRb2", u"Pm3File", u"ごみ箱を開く", "", -1},
    {u"N2", u"Pm3File", u"", "separator", -1},
    {u"Pm3DeskTopRb", u"Pm3File", u"デスクトップ アイコンの設定...", "", -1},
    {u"Pm3PropertiesRb", u"Pm3File", u"ごみ箱のプロパティを表示...", "", -1},
    {u"Pm3AddRb", u"Pm3File", u"私設ごみ箱を追加", "", -1},
    {u"Pm3StatusRb", u"PopupMenu3", u"表示", "submenu", 1},
    {u"Pm3StatusSpread", u"Pm3StatusRb", u"詳細表示", "auto-check, radio, group 0", -1},
    {u"Pm3StatusShrink", u"Pm3StatusRb", u"簡易表示", "auto-check, radio, group 0", -1},
    {u"N6", u"Pm3StatusRb", u"", "separator", -1},
    {u"pm3AdjustColWidth1", u"Pm3StatusRb", u"列幅を即時調整", "", -1},
    {u"N10", u"Pm3StatusRb", u"", "separator", -1},
    {u"pm3OpenRb", u"Pm3StatusRb", u"ごみ箱を開く", "", -1},
    {u"Pm3Settings", u"PopupMenu3", u"設定", "submenu", 2},
    {u"Pm3DeskTop", u"Pm3Settings", u"デスクトップに登録", "", -1},
    {u"Pm3StartMenu", u"Pm3Settings", u"スタートメニューに登録", "", -1},
    {u"Pm3StartUp", u"Pm3Settings", u"スタートアップに登録", "", -1},
    {u"N3", u"Pm3Settings", u"", "separator", -1},
    {u"Pm3DDReject", u"Pm3Settings", u"D＆Dを受け取らない", "auto-check, radio, group 0, checked",
     -1},
    {u"Pm3DDAccept", u"Pm3Settings", u"D＆Dを受け取る（ごみ箱へ）", "auto-check, radio, group 0",
     -1},
    {u"Pm3DDEachTime", u"Pm3Settings", u"毎回確認する", "auto-check, radio, group 0", -1},
    {u"N8", u"Pm3Settings", u"", "separator", -1},
    {u"Pm3StayOnTop", u"Pm3Settings", u"常に最前面に表示", "auto-check", -1},
    {u"pm3AdjustColWidth2", u"Pm3Settings", u"列幅を自動調整", "auto-check", -1},
    {u"N5", u"Pm3Settings", u"", "separator", -1},
    {u"Pm3TaskBar", u"Pm3Settings", u"タスクバーに駐留", "auto-check, radio, group 1, checked", -1},
    {u"Pm3TaskTray", u"Pm3Settings", u"タスクトレイに格納", "auto-check, radio, group 1", -1},
    {u"N4", u"Pm3Settings", u"", "separator, group 1", -1},
    {u"Pm3CloseQuery", u"Pm3Settings", u"終了時に確認", "auto-check, group 1", -1},
    {u"Pm3SaveStatus", u"Pm3Settings", u"状態を保存", "auto-check, group 1", -1},
    {u"Pm3Help", u"PopupMenu3", u"ヘルプ", "submenu", 3},
    {u"Pm3ShowHelp", u"Pm3Help", u"ヘルプ表示", "shortcut F1", -1},
    {u"Pm3About", u"Pm3Help", u"バージョン情報", "", -1},
    {u"N9", u"Pm3Help", u"", "separator", -1},
    {u"Pm3Properties", u"Pm3Help", u"プロパティ表示", "", -1},
    {u"Pm3Donation", u"Pm3Help", u"開発支援", "", -1},
    {u"Pm3HomeSite", u"Pm3Help", u"ホームページ", "", -1},
    {u"N7", u"PopupMenu3", u"", "separator, hidden", -1},
    {u"Pm3Close", u"PopupMenu3", u"閉じる", "hidden, shortcut Esc", -1},

    {u"StatusBar2", u"PopupMenu4", u"[StatusBar]", "disabled, hidden", -1},
    {u"Pm4Spread", u"PopupMenu4", u"詳細表示", "auto-check, radio, group 0", -1},
    {u"Pm4Shrink", u"PopupMenu4", u"簡易表示", "auto-check, radio, group 0", -1},
};

using PopupMenus = FormTest;

TEST_F(PopupMenus, EveryItemAsDesigned) {
    std::vector<Row> rows;
    for (PopupMenu* menu :
         {&form.PopupMenu1, &form.PopupMenu2, &form.PopupMenu3, &form.PopupMenu4}) {
        for (Row& row : Rows(menu->Items())) rows.push_back(std::move(row));
    }
    ASSERT_EQ(rows.size(), MenuRows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], MenuRows[i]) << "row " << i;
}

TEST_F(PopupMenus, ImageListsAndAutomaticPopup) {
    EXPECT_EQ(form.PopupMenu1.Images(), &form.ImageListBin);
    EXPECT_EQ(form.PopupMenu2.Images(), &form.ImageList21);
    EXPECT_EQ(form.PopupMenu3.Images(), nullptr) << "its submenu heads' image numbers show nothing";
    EXPECT_EQ(form.PopupMenu4.Images(), nullptr);
    EXPECT_FALSE(form.PopupMenu1.AutoPopup());
    EXPECT_TRUE(form.PopupMenu2.AutoPopup() && form.PopupMenu3.AutoPopup() &&
                form.PopupMenu4.AutoPopup());
}

TEST_F(PopupMenus, WhereEachMenuOpens) {
    EXPECT_EQ(form.TrayIcon1.ContextMenu(), &form.PopupMenu1);
    EXPECT_EQ(form.ContextMenu(), &form.PopupMenu1);
    EXPECT_EQ(ContextMenuFor(form), nullptr) << "a right click on the window shows nothing";
    EXPECT_EQ(ContextMenuFor(form.ListView1), &form.PopupMenu2);
    EXPECT_EQ(ContextMenuFor(form.PageControl1), &form.PopupMenu3);
    EXPECT_EQ(ContextMenuFor(form.TabSheetSettings), &form.PopupMenu3);
    EXPECT_EQ(ContextMenuFor(form.ButtonOpenRb), &form.PopupMenu3) << "beside the drive list";
    EXPECT_EQ(ContextMenuFor(form.CheckBoxAutoWidth), &form.PopupMenu3);
    EXPECT_EQ(ContextMenuFor(form.StatusBar1), &form.PopupMenu4);
}

TEST_F(PopupMenus, EscClosesAnywhereAndF1ShowsHelpInsideThePages) {
    RecordCommands(form, ran);
    struct Case {
        const Control& focus;
        int key;
        const char* command;  // null: the key runs nothing
    };
    for (const Case& c : {
             Case{form, ShortcutEsc, "Pm1CloseClick"},
             Case{form.StatusBar1, ShortcutEsc, "Pm1CloseClick"},
             Case{form.ListView1, ShortcutEsc, "Pm1CloseClick"},
             Case{form.ButtonStart, ShortcutEsc, "Pm1CloseClick"},
             Case{form.ListView1, ShortcutF1, "ButtonHelpClick"},
             Case{form.RadioGroup2, ShortcutF1, "ButtonHelpClick"},
             Case{form.CheckBoxShowHint, ShortcutF1, "ButtonHelpClick"},
             Case{form.PageControl1, ShortcutF1, "ButtonHelpClick"},
             Case{form.StatusBar1, ShortcutF1, nullptr},
             Case{form, ShortcutF1, nullptr},
         }) {
        ran.clear();
        EXPECT_EQ(RunShortcut(c.focus, c.key), c.command != nullptr)
            << testing::PrintToString(c.focus.Name()) << " " << c.key;
        EXPECT_EQ(ran, c.command ? std::vector<std::string>{c.command} : std::vector<std::string>{})
            << testing::PrintToString(c.focus.Name()) << " " << c.key;
    }
}

}  // namespace
}  // namespace zubolo
