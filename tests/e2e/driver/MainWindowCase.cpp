// A first start with a fresh settings file: the main window, its pages and controls as a user
// sees them, and a screenshot of each page.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "Cases.h"
#include "ChildProcess.h"
#include "CommonControls.h"
#include "Polling.h"
#include "Screenshot.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

enum class ButtonKind { Push, CheckBox, Radio, Group };

struct ButtonExpectation {
    std::wstring_view caption;
    ButtonKind kind;
    bool enabled;
    int check;  // BST_CHECKED or BST_UNCHECKED; ignored for push buttons and group boxes
};

// Every Button-class control of the four visible pages in a fresh start, in page order, once each
// page has been in front (the program makes a page's controls when the page first comes to the
// front): their states were set before their windows were made.
constexpr ButtonExpectation ExpectedButtons[] = {
    {L"連携", ButtonKind::Group, true, 0},
    {L"連携を開始", ButtonKind::Push, false, 0},
    {L"連携を解除", ButtonKind::Push, true, 0},
    {L"ごみ箱を開く", ButtonKind::Push, true, 0},
    {L"ごみ箱", ButtonKind::Group, true, 0},
    {L"デスクトップ アイコンの設定", ButtonKind::Push, true, 0},
    {L"ごみ箱のプロパティ を表示", ButtonKind::Push, true, 0},
    {L"私設ごみ箱 を追加作成", ButtonKind::Push, true, 0},
    {L"ごみ箱を開く", ButtonKind::Push, true, 0},
    {L"起動ショートカット", ButtonKind::Group, true, 0},
    {L"デスクトップに登録", ButtonKind::Push, true, 0},
    {L"スタートメニューに登録", ButtonKind::Push, true, 0},
    {L"スタートアップに登録", ButtonKind::Push, true, 0},
    {L"ドラッグ＆ドロップ", ButtonKind::Group, true, 0},
    {L"受け取らない", ButtonKind::Radio, true, BST_CHECKED},
    {L"受け取る（そのまま ごみ箱へ）", ButtonKind::Radio, true, BST_UNCHECKED},
    {L"毎回確認する", ButtonKind::Radio, true, BST_UNCHECKED},
    {L"表示", ButtonKind::Group, true, 0},
    {L"常に最前面", ButtonKind::CheckBox, true, BST_UNCHECKED},
    {L"自動幅調整", ButtonKind::CheckBox, true, BST_CHECKED},
    {L"最小化時", ButtonKind::Group, true, 0},
    {L"タスクバー", ButtonKind::Radio, true, BST_CHECKED},
    {L"タスクトレイ", ButtonKind::Radio, true, BST_UNCHECKED},
    {L"終了時", ButtonKind::Group, true, 0},
    {L"確認する", ButtonKind::CheckBox, true, BST_UNCHECKED},
    {L"状態を保存", ButtonKind::CheckBox, true, BST_CHECKED},
    {L"ヘルプ表示", ButtonKind::Push, true, 0},
    {L"開発支援", ButtonKind::Push, true, 0},
    {L"バージョン情報", ButtonKind::Push, true, 0},
    {L"ホームページ", ButtonKind::Push, true, 0},
    {L"プロパティ表示", ButtonKind::Push, true, 0},
    {L"Show Hint", ButtonKind::CheckBox, true, BST_UNCHECKED},
};

const std::vector<std::wstring> TabCaptions = {L"ファイル", L"表示", L"設 定", L"ヘルプ"};
constexpr int StatusPageIndex = 1;

const std::vector<std::wstring> DriveColumns = {L"場所",        L"総容量(a)",   L"使用容量(b)",
                                                L"使用率(b/a)", L"ごみ箱分(c)", L"占有率(c/a)"};

// A control that only its own page shows: a Button by caption, or a control class.
struct PageMarker {
    std::wstring_view className;
    std::wstring_view caption;
};
constexpr PageMarker PageMarkers[] = {
    {L"Button", L"連携を開始"},
    {L"SysListView32", L""},
    {L"Button", L"デスクトップに登録"},
    {L"Button", L"ヘルプ表示"},
};

HWND OnlyDescendant(HWND main, std::wstring_view className) {
    const auto found = DescendantsOfClass(main, className);
    ExpectNumber(L"number of " + std::wstring(className) + L" controls in the main window", 1,
                 static_cast<long long>(found.size()));
    return found.front();
}

bool KindMatches(HWND button, ButtonKind kind) {
    const auto type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
    switch (kind) {
        case ButtonKind::Push:
            return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
        case ButtonKind::CheckBox:
            return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
        case ButtonKind::Radio:
            return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        case ButtonKind::Group:
            return type == BS_GROUPBOX;
    }
    return false;
}

void CheckButtons(HWND main) {
    std::vector<HWND> unused = DescendantsOfClass(main, L"Button");
    std::vector<std::wstring> captionsSeen;
    for (HWND button : unused) captionsSeen.push_back(WindowText(button));
    for (const auto& expected : ExpectedButtons) {
        auto match = unused.begin();
        while (match != unused.end() && WindowText(*match) != expected.caption) ++match;
        if (match == unused.end()) {
            Fail(L"a Button captioned " + Quoted(expected.caption) + L"; Buttons seen: " +
                 QuotedList(captionsSeen));
        }
        HWND button = *match;
        unused.erase(match);
        const std::wstring name = L"Button " + Quoted(expected.caption);
        Expect(KindMatches(button, expected.kind),
               name +
                   L" to be of its kind (push button, check box, radio button or group box);"
                   L" its button type (BS_TYPEMASK bits) is " +
                   std::to_wstring(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK));
        Expect((IsWindowEnabled(button) != FALSE) == expected.enabled,
               name + (expected.enabled ? L" to be enabled" : L" to be disabled"));
        if (expected.kind == ButtonKind::CheckBox || expected.kind == ButtonKind::Radio) {
            ExpectNumber(name + L" check state", expected.check,
                         SendMessageW(button, BM_GETCHECK, 0, 0));
        }
    }
}

// The application title is the Recycle Bin text of status panel 1, which the drive table's
// refresh writes before the window is shown.
void CheckApplicationTitle(HWND application, HWND statusBar) {
    const std::wstring panel = StatusPanelText(statusBar, 1);
    Expect(!panel.empty() && panel.front() == L'(',
           L"status panel 1 to show a Recycle Bin reading, saw " + Quoted(panel));
    ExpectText(L"application window caption", panel, WindowText(application));
}

// Whether the page's marker control is shown; a page not yet in front has no controls at all.
bool PageMarkerShown(HWND main, const PageMarker& marker) {
    for (HWND control : DescendantsOfClass(main, marker.className)) {
        if (marker.caption.empty() || WindowText(control) == marker.caption)
            return IsWindowVisible(control) != FALSE;
    }
    return false;
}

// Switches to each page as a click on its tab would and saves a screenshot of it.
void ScreenshotEachPage(HWND main, HWND tabs, const std::wstring& folder) {
    for (int page = 0; page < static_cast<int>(std::size(PageMarkers)); ++page) {
        SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
        const std::wstring what = L"page " + Quoted(TabCaptions[page]) + L" to be shown alone";
        WaitFor(what, [&] {
            bool alone = SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == page;
            for (int other = 0; other < static_cast<int>(std::size(PageMarkers)); ++other) {
                alone = alone && PageMarkerShown(main, PageMarkers[other]) == (other == page);
            }
            return alone;
        });
        SaveWindowScreenshot(main, folder + L"\\page-" + std::to_wstring(page + 1) + L".bmp");
    }
}

}  // namespace

void RunMainWindowCase(const CaseSettings& settings) {
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);

    ExpectText(L"main window caption", AppDisplayName, WindowText(windows.main));
    Expect(GetWindow(windows.main, GW_OWNER) == windows.application,
           L"the main window to be owned by the application window");

    HWND tabs = OnlyDescendant(windows.main, L"SysTabControl32");
    ExpectTexts(L"tab captions", TabCaptions, TabTexts(tabs));
    ExpectNumber(L"active page at start", StatusPageIndex, SendMessageW(tabs, TCM_GETCURSEL, 0, 0));

    HWND statusBar = OnlyDescendant(windows.main, L"msctls_statusbar32");
    ExpectNumber(L"status bar panels", 2, SendMessageW(statusBar, SB_GETPARTS, 0, 0));
    CheckApplicationTitle(windows.application, statusBar);

    ExpectTexts(L"drive list columns", DriveColumns,
                ListViewColumnTexts(OnlyDescendant(windows.main, L"SysListView32")));

    ScreenshotEachPage(windows.main, tabs, settings.screenshotFolder);
    CheckButtons(windows.main);
    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
