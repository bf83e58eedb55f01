// The four popup menus of the main window, item by item, and the controls they belong to.
#include "mainwindow/ZuboloForm.h"

namespace zubolo {
namespace {

enum Attribute : unsigned {
    Disabled = 1u << 0,
    Hidden = 1u << 1,
    AutoCheck = 1u << 2,
    Radio = 1u << 3,
    Checked = 1u << 4,
    Separator = 1u << 5,
};

constexpr int NoImage = -1;

struct ItemDesign {
    MenuItem& item;
    MenuItem& parent;
    const char16_t* caption;
    unsigned attributes = 0;
    int group = 0;
    int image = NoImage;
    int shortcut = ShortcutNone;
};

void Build(const ItemDesign& design) {
    MenuItem& item = design.item;
    design.parent.Add(item);
    if (design.attributes & Separator) item.MakeSeparator();
    item.SetCaption(design.caption);
    item.SetEnabled(!(design.attributes & Disabled));
    item.SetVisible(!(design.attributes & Hidden));
    item.SetAutoCheck(design.attributes & AutoCheck);
    item.SetRadioItem(design.attributes & Radio);
    item.SetGroupIndex(design.group);
    item.SetChecked(design.attributes & Checked);
    item.SetImageIndex(design.image);
    item.SetShortcut(design.shortcut);
}

}  // namespace

void TZuboloForm::BuildPopupMenus() {
    MenuItem& menu1 = PopupMenu1.Items();
    MenuItem& menu2 = PopupMenu2.Items();
    MenuItem& menu3 = PopupMenu3.Items();
    MenuItem& menu4 = PopupMenu4.Items();
    const ItemDesign items[] = {
        {PmTrayIcon1, menu1, u"[TrayIcon]", Disabled | Hidden},
        {Pm1Restore, menu1, u"元の大きさに戻す"},
        {Pm1OpenRb, menu1, u"ごみ箱を開く", 0, 0, 0},
        {Pm1Close, menu1, u"終了", 0, 0, NoImage, ShortcutEsc},

        {ListView2, menu2, u"[ListView]", Disabled | Hidden},
        {pm2Explorer, menu2, u"エクスプローラーで開く", 0, 0, 8},
        {pm2OpenPC1, pm2Explorer, u"PC", Disabled | Hidden, 0, 0},
        {pm2OpenDeskTop, pm2Explorer, u"デスクトップ", 0, 0, 1},
        {pm2OpenHome, pm2Explorer, u"ホーム", 0, 0, 2},
        {pm2OpenUser, pm2Explorer, u"ユーザー", 0, 0, 3},
        {N12, pm2Explorer, u"", Separator},
        {pm2OpenCPanel, pm2Explorer, u"コントロールパネル", 0, 0, 4},
        {pm2OpenRb, pm2Explorer, u"ごみ箱", 0, 0, 5},
        {N13, pm2Explorer, u"", Separator},
        {pm2TaskMgr, pm2Explorer, u"タスク マネージャー", 0, 0, 6},
        {N11, menu2, u"", Separator},
        {pm2OpenDrive, menu2, u"ドライブを開く"},
        {Pm2ShowDriveProperties, menu2, u"ドライブのプロパティ"},
        {Pm2ShowDriveBinProperties, menu2, u"ドライブのごみ箱のプロパティ"},
        {N1, menu2, u"", Separator},
        {pm2AdjustColWidth, menu2, u"最新の列幅に調整"},
        {Pm2UpdateListView, menu2, u"最新の情報に更新", 0, 0, 7},

        {PageControl2, menu3, u"[PageControl]", Disabled | Hidden},
        {Pm3File, menu3, u"ファイル", 0, 0, 0},
        {Pm3Start, Pm3File, u"連携を開始"},
        {Pm3Stop, Pm3File, u"連携を解除"},
        {Pm3OpenRb2, Pm3File, u"ごみ箱を開く"},
        {N2, Pm3File, u"", Separator},
        {Pm3DeskTopRb, Pm3File, u"デスクトップ アイコンの設定..."},
        {Pm3PropertiesRb, Pm3File, u"ごみ箱のプロパティを表示..."},
        {Pm3AddRb, Pm3File, u"私設ごみ箱を追加"},
        {Pm3StatusRb, menu3, u"表示", 0, 0, 1},
        {Pm3StatusSpread, Pm3StatusRb, u"詳細表示", AutoCheck | Radio, 0},
        {Pm3StatusShrink, Pm3StatusRb, u"簡易表示", AutoCheck | Radio, 0},
        {N6, Pm3StatusRb, u"", Separator},
        {pm3AdjustColWidth1, Pm3StatusRb, u"列幅を即時調整"},
        {N10, Pm3StatusRb, u"", Separator},
        {pm3OpenRb, Pm3StatusRb, u"ごみ箱を開く"},
        {Pm3Settings, menu3, u"設定", 0, 0, 2},
        {Pm3DeskTop, Pm3Settings, u"デスクトップに登録"},
        {Pm3StartMenu, Pm3Settings, u"スタートメニューに登録"},
        {Pm3StartUp, Pm3Settings, u"スタートアップに登録"},
        {N3, Pm3Settings, u"", Separator},
        {Pm3DDReject, Pm3Settings, u"D＆Dを受け取らない", AutoCheck | Radio | Checked, 0},
        {Pm3DDAccept, Pm3Settings, u"D＆Dを受け取る（ごみ箱へ）", AutoCheck | Radio, 0},
        {Pm3DDEachTime, Pm3Settings, u"毎回確認する", AutoCheck | Radio, 0},
        {N8, Pm3Settings, u"", Separator},
        {Pm3StayOnTop, Pm3Settings, u"常に最前面に表示", AutoCheck},
        {pm3AdjustColWidth2, Pm3Settings, u"列幅を自動調整", AutoCheck},
        {N5, Pm3Settings, u"", Separator},
        {Pm3TaskBar, Pm3Settings, u"タスクバーに駐留", AutoCheck | Radio | Checked, 1},
        {Pm3TaskTray, Pm3Settings, u"タスクトレイに格納", AutoCheck | Radio, 1},
        {N4, Pm3Settings, u"", Separator, 1},
        {Pm3CloseQuery, Pm3Settings, u"終了時に確認", AutoCheck, 1},
        {Pm3SaveStatus, Pm3Settings, u"状態を保存", AutoCheck, 1},
        {Pm3Help, menu3, u"ヘルプ", 0, 0, 3},
        {Pm3ShowHelp, Pm3Help, u"ヘルプ表示", 0, 0, NoImage, ShortcutF1},
        {Pm3About, Pm3Help, u"バージョン情報"},
        {N9, Pm3Help, u"", Separator},
        {Pm3Properties, Pm3Help, u"プロパティ表示"},
        {Pm3Donation, Pm3Help, u"開発支援"},
        {Pm3HomeSite, Pm3Help, u"ホームページ"},
        {N7, menu3, u"", Separator | Hidden},
        {Pm3Close, menu3, u"閉じる", Hidden, 0, NoImage, ShortcutEsc},

        {StatusBar2, menu4, u"[StatusBar]", Disabled | Hidden},
        {Pm4Spread, menu4, u"詳細表示", AutoCheck | Radio, 0},
        {Pm4Shrink, menu4, u"簡易表示", AutoCheck | Radio, 0},
    };
    for (const ItemDesign& design : items) Build(design);

    PopupMenu1.SetImages(&ImageListBin);
    // The window's context menu opens only from the tray icon; its Esc works everywhere.
    PopupMenu1.SetAutoPopup(false);
    PopupMenu2.SetImages(&ImageList21);

    SetContextMenu(&PopupMenu1);
    TrayIcon1.SetContextMenu(&PopupMenu1);
    ListView1.SetContextMenu(&PopupMenu2);
    PageControl1.SetContextMenu(&PopupMenu3);
    StatusBar1.SetContextMenu(&PopupMenu4);
}

}  // namespace zubolo
