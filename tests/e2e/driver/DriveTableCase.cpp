// The drive table on page "表示" as a user meets it: right after a start with an empty Recycle
// Bin, status panel 1 reads "(0) 0" and the table lists every drive in the system's order, each
// with its picture and its figures in the program's patterns (the test prefix has a drive on
// another file system, so the sizes differ); a click on a header orders the rows and a second
// click reverses them; files moved to the bin show in the bin columns; the list's menu opens a
// drive, offers the drive's bin sheet only where the bin folder exists (Wine's shell has no
// "properties" verb, so the program's failure box shows), and after "連携を解除" offers
// "連携を再開", which brings the rows back.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "BinTexts.h"
#include "Cases.h"
#include "ChildProcess.h"
#include "CommonControls.h"
#include "MainWindowInput.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "ProgramBoxes.h"
#include "Screenshot.h"
#include "StartedPrograms.h"
#include "Trash.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

using Rows = std::vector<std::vector<std::wstring>>;

constexpr int FilePageIndex = 0;
constexpr int StatusPageIndex = 1;
constexpr int TotalColumn = 1;
// A change of the bin shows at the next tick.
constexpr std::chrono::milliseconds TickDeadline{2000};
// Items of the drive list's menu, counted from its first visible item.
constexpr int OpenDriveItem = 2;
constexpr int DrivePropertiesItem = 3;
constexpr int DriveBinPropertiesItem = 4;

std::vector<std::wstring> DriveCaptions() {
    std::wstring roots(GetLogicalDriveStringsW(0, nullptr), L'\0');
    roots.resize(GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data()));
    std::vector<std::wstring> captions;
    for (std::size_t start = 0; start < roots.size();) {
        const std::size_t end = roots.find(L'\0', start);
        std::wstring root = roots.substr(start, end - start);
        if (root.empty()) break;
        if (root.back() == L'\\') root.pop_back();
        captions.push_back(root);
        start = end + 1;
    }
    return captions;
}

struct DriveSize {
    unsigned long long total = 0;
    unsigned long long freeForCaller = 0;
};

DriveSize SizeOf(const std::wstring& caption) {
    ULARGE_INTEGER freeForCaller{}, total{};
    Expect(GetDiskFreeSpaceExW((caption + L"\\").c_str(), &freeForCaller, &total, nullptr) != 0,
           L"the size of drive " + caption);
    return {total.QuadPart, freeForCaller.QuadPart};
}

// The number a "#,0" text stands for.
unsigned long long ParseGrouped(const std::wstring& text, const std::wstring& what) {
    const std::wstring separator = LocaleText(LOCALE_STHOUSAND);
    unsigned long long value = 0;
    bool digits = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] >= L'0' && text[i] <= L'9') {
            value = value * 10 + static_cast<unsigned long long>(text[i] - L'0');
            digits = true;
            ++i;
        } else if (!separator.empty() && text.compare(i, separator.size(), separator) == 0) {
            i += separator.size();
        } else {
            Fail(what + L" to be a number in the pattern #,0, saw " + Quoted(text));
        }
    }
    if (!digits) Fail(what + L" to be a number in the pattern #,0, saw " + Quoted(text));
    return value;
}

// Checks one row against the drive's sizes as the driver reads them and the bin's figures.
void CheckRow(const std::vector<std::wstring>& row, const std::wstring& binText,
              unsigned long long binBytes) {
    const std::wstring& drive = row[0];
    const DriveSize size = SizeOf(drive);
    ExpectText(drive + L" 総容量(a)", Grouped(size.total), row[1]);
    // Used space moves while the machine works; the share must follow the figure shown.
    const unsigned long long used = ParseGrouped(row[2], drive + L" 使用容量(b)");
    const unsigned long long usedNow = size.total - size.freeForCaller;
    const unsigned long long drift = used > usedNow ? used - usedNow : usedNow - used;
    Expect(drift <= size.total / 20, drive + L" 使用容量(b) " + Quoted(row[2]) +
                                         L" to be near the used space of now, " + Grouped(usedNow));
    const auto share = [&](unsigned long long part, int decimals) {
        return size.total == 0 ? std::wstring(L"0%")
                               : PercentText(static_cast<double>(part) /
                                                 static_cast<double>(size.total) * 100.0,
                                             decimals);
    };
    ExpectText(drive + L" 使用率(b/a)", share(used, 1), row[3]);
    ExpectText(drive + L" ごみ箱分(c)", binText, row[4]);
    ExpectText(drive + L" 占有率(c/a)", share(binBytes, 2), row[5]);
}

SHQUERYRBINFO QueryWholeBin() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    ExpectNumber(L"result of the driver's own query of the Recycle Bin", S_OK,
                 SHQueryRecycleBinW(nullptr, &info));
    return info;
}

// One row per drive in the system's order, row i showing picture i.
void CheckDriveRows(HWND list, const Rows& rows) {
    std::vector<std::wstring> captions;
    for (const auto& row : rows) captions.push_back(row[0]);
    ExpectTexts(L"captions of the drive rows, in the system's order", DriveCaptions(), captions);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ExpectNumber(L"picture of row " + std::to_wstring(i), static_cast<long long>(i),
                     ListViewItemImage(list, static_cast<int>(i)));
    }
}

void CheckFigures(const Rows& rows) {
    const SHQUERYRBINFO bin = QueryWholeBin();
    const auto items = static_cast<unsigned long long>(bin.i64NumItems);
    const auto bytes = static_cast<unsigned long long>(bin.i64Size);
    std::vector<unsigned long long> totals;
    for (const auto& row : rows) {
        // Wine's shell answers every drive's query with the whole bin.
        CheckRow(row, BinText(items, bytes), bytes);
        totals.push_back(SizeOf(row[0]).total);
    }
    std::sort(totals.begin(), totals.end());
    Expect(std::unique(totals.begin(), totals.end()) - totals.begin() >= 2,
           L"drives of different sizes (the test prefix maps M: to a folder of /dev/shm)");
}

// No text is cut: every column is as wide as its texts and the space the list keeps around a
// text (its own fit to content adds as much); the first column also holds the picture; the
// columns the program measures also fit their headers.
void CheckNothingClipped(HWND list, const Rows& rows) {
    const std::vector<std::wstring> headers = ListViewColumnTexts(list);
    constexpr int TextSpace = 12;
    constexpr int PictureSpace = 16;
    for (std::size_t column = 0; column < headers.size(); ++column) {
        const int width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
        std::vector<std::wstring> texts;
        for (const auto& row : rows) texts.push_back(row[column]);
        if (column >= 3) texts.push_back(headers[column]);
        for (const std::wstring& text : texts) {
            const int needed = ListViewStringWidth(list, text) + TextSpace +
                               (column == 0 && text != headers[column] ? PictureSpace : 0);
            Expect(needed <= width, L"column " + Quoted(headers[column]) + L" (" +
                                        std::to_wstring(width) + L" pixels) to show " +
                                        Quoted(text) + L" whole (" + std::to_wstring(needed) +
                                        L" pixels)");
        }
    }
}

// Figure texts order by length, then code unit by code unit.
bool InOrder(const Rows& rows, int column, bool ascending) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const std::wstring& a = rows[i - 1][static_cast<std::size_t>(column)];
        const std::wstring& b = rows[i][static_cast<std::size_t>(column)];
        const bool smaller = a.size() != b.size() ? a.size() < b.size() : a < b;
        const bool larger = a.size() != b.size() ? a.size() > b.size() : a > b;
        if (ascending ? larger : smaller) return false;
    }
    return true;
}

void CheckSorting(HWND list, const Rows& before) {
    Rows sortedBefore = before;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    for (const bool ascending : {true, false}) {
        ClickListViewHeader(list, TotalColumn);
        Rows rows;
        WaitFor(std::wstring(L"a click on 総容量(a) to order the rows ") +
                    (ascending ? L"ascending" : L"descending"),
                [&] {
                    rows = ListViewRows(list);
                    return InOrder(rows, TotalColumn, ascending);
                });
        Rows sorted = rows;
        std::sort(sorted.begin(), sorted.end());
        Expect(sorted == sortedBefore, L"every row to keep its texts while the rows move");
    }
}

// Widens the main window until the list shows every column, as a user drags the window's edge:
// large drives make the table wider than the window's first size.
void WidenToShowEveryColumn(HWND main, HWND list) {
    const auto columns = static_cast<int>(ListViewColumnTexts(list).size());
    int needed = 0;
    for (int column = 0; column < columns; ++column) {
        needed += static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    }
    RECT client{};
    GetClientRect(list, &client);
    if (needed <= client.right) return;
    RECT bounds{};
    GetWindowRect(main, &bounds);
    SetWindowPos(main, nullptr, 0, 0, bounds.right - bounds.left + needed - client.right,
                 bounds.bottom - bounds.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    WaitFor(L"the drive list to show every column without scrolling",
            [&] { return (GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL) == 0; });
}

int RowOf(HWND list, const std::wstring& caption) {
    const Rows rows = ListViewRows(list);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i][0] == caption) return static_cast<int>(i);
    }
    Fail(L"a row captioned " + Quoted(caption));
}

// Opens the list's menu and presses the keys in it.
void PressInListMenu(const ChildProcess& zubolo, HWND list, std::vector<WPARAM> keys) {
    RightClick(list);
    WaitForMenus(zubolo, 1, L"after the right click on the drive list");
    for (WPARAM key : keys) PressMenuKey(zubolo, key);
}

void ChooseListMenuItem(const ChildProcess& zubolo, HWND list, int item) {
    std::vector<WPARAM> keys(static_cast<std::size_t>(item), VK_DOWN);
    keys.push_back(VK_RETURN);
    PressInListMenu(zubolo, list, keys);
    WaitForMenus(zubolo, 0, L"after Return");
}

// A box of the program would open at once: none within a second means none comes.
void ExpectNoBoxFor(const ChildProcess& zubolo, const std::wstring& after) {
    if (HWND box = PollUntil([&] { return FindMessageBox(zubolo.Id()); },
                             std::chrono::milliseconds(1000))) {
        Fail(L"no message box after " + after + L", saw one: " + Quoted(MessageBoxText(box)));
    }
}

// A folder that exists while the object lives.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(std::wstring path) : path_(std::move(path)) {
        Expect(CreateDirectoryW(path_.c_str(), nullptr) != FALSE, L"to create " + Quoted(path_));
    }
    ~TemporaryFolder() { RemoveDirectoryW(path_.c_str()); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  private:
    std::wstring path_;
};

void CheckDriveCommands(const ChildProcess& zubolo, const ZuboloWindows& windows, HWND list) {
    const std::wstring drive = DriveCaptions().front();
    const std::wstring binFolder = drive + L"\\$Recycle.Bin";
    RemoveDirectoryW(binFolder.c_str());  // left by an interrupted run
    SelectListViewRow(list, RowOf(list, drive));

    // Without the bin folder the item is disabled: Return on it runs nothing.
    PressInListMenu(zubolo, list, std::vector<WPARAM>(DriveBinPropertiesItem, VK_DOWN));
    PressMenuKey(zubolo, VK_RETURN);
    ExpectNoBoxFor(zubolo, L"ドライブのごみ箱のプロパティ without a bin folder on " + drive);
    CloseMenus(zubolo);

    {
        const TemporaryFolder folder(binFolder);
        ChooseListMenuItem(zubolo, list, DriveBinPropertiesItem);
        ExpectFailureBox(zubolo, WindowText(windows.application),
                         L"プロパティを表示できませんでした\r\n" + binFolder);
    }

    // Wine's SHObjectProperties accepts the request and shows nothing.
    ChooseListMenuItem(zubolo, list, DrivePropertiesItem);
    ExpectNoBoxFor(zubolo, L"ドライブのプロパティ");

    const StartedPrograms started;
    ChooseListMenuItem(zubolo, list, OpenDriveItem);
    const OpenedWindow opened = started.WaitForWindow(L"explorer.exe", L"ExplorerWClass");
    ExpectNoBoxOf(zubolo, L"ドライブを開く");
    CloseOpenedWindow(opened);
}

void CheckResume(const ChildProcess& zubolo, const ZuboloWindows& windows, HWND list,
                 const std::wstring& folder) {
    HWND stop = ShowPageButton(windows.main, FilePageIndex, L"連携を解除");
    HWND start = ButtonCaptioned(windows.main, L"連携を開始");
    SendMessageW(stop, BM_CLICK, 0, 0);
    WaitFor(L"連携を解除 to empty the drive list",
            [&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0; });
    ShowPage(windows.main, StatusPageIndex, list);

    // Up from the menu's top reaches its last item, "連携を再開" on an empty table.
    PressInListMenu(zubolo, list, {VK_UP});
    std::vector<HWND> shown = VisibleMenus(zubolo.Id());
    shown.push_back(windows.main);
    SaveWindowsScreenshot(shown, folder + L"\\menu-2-resume.bmp");
    PressMenuKey(zubolo, VK_RETURN);
    WaitForMenus(zubolo, 0, L"after Return");

    WaitFor(L"連携を再開 to switch the linkage on and bring every drive row back", [&] {
        return !IsWindowEnabled(start) && IsWindowEnabled(stop) &&
               SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) ==
                   static_cast<LRESULT>(DriveCaptions().size());
    });
    WaitFor(
        L"the next tick to fill in the figures",
        [&] {
            const Rows rows = ListViewRows(list);
            return std::all_of(rows.begin(), rows.end(),
                               [](const auto& row) { return !row[TotalColumn].empty(); });
        },
        TickDeadline);
}

}  // namespace

void RunDriveTableCase(const CaseSettings& settings) {
    ParkMousePointer();
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND statusBar = OnlyDescendant(windows.main, L"msctls_statusbar32");
    HWND list = OnlyDescendant(windows.main, L"SysListView32");

    ExpectText(L"status panel 1 right after a start with an empty Recycle Bin", BinText(0, 0),
               StatusPanelText(statusBar, 1));
    Expect(IsWindowVisible(list) != FALSE, L"page 表示 with the drive list to be in front");
    const Rows atStart = ListViewRows(list);
    CheckDriveRows(list, atStart);
    CheckFigures(atStart);
    SaveWindowScreenshot(windows.main, settings.screenshotFolder + L"\\drive-table.bmp");
    CheckNothingClipped(list, atStart);

    CheckSorting(list, atStart);

    MoveToRecycleBin(MakeFiles(L"zubolo-drive-table", {1ULL << 30, 4096}));
    const SHQUERYRBINFO bin = QueryWholeBin();
    const std::wstring binText = BinText(static_cast<unsigned long long>(bin.i64NumItems),
                                         static_cast<unsigned long long>(bin.i64Size));
    ExpectNumber(L"items in the Recycle Bin", 2, bin.i64NumItems);
    WaitFor(
        L"status panel 1 and every row's ごみ箱分(c) to read " + Quoted(binText),
        [&] {
            const Rows rows = ListViewRows(list);
            return StatusPanelText(statusBar, 1) == binText &&
                   std::all_of(rows.begin(), rows.end(),
                               [&](const auto& row) { return row[4] == binText; });
        },
        TickDeadline);
    CheckFigures(ListViewRows(list));
    WidenToShowEveryColumn(windows.main, list);
    SaveWindowScreenshot(windows.main, settings.screenshotFolder + L"\\drive-table-bin.bmp");

    CheckDriveCommands(zubolo, windows, list);
    CheckResume(zubolo, windows, list, settings.screenshotFolder);

    EmptyRecycleBin();
    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
