// The commands that open shell locations and tools, as a user meets them: the items of
// "エクスプローラーで開く" in the drive list's menu open the Desktop and user folders, Explorer,
// the control panel and the task manager; the buttons of page "ファイル" open the display control
// panel (a stand-in, Wine has none) and ask for the Recycle Bin's property sheet, and the button
// "プロパティ表示" for the program's own. Each window that opened is found and closed. With the
// control panel program made unavailable in the prefix, the two commands that start it show the
// program's failure box.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <string_view>
#include <utility>

#include "Cases.h"
#include "ChildProcess.h"
#include "MainWindowInput.h"
#include "MessageBoxes.h"
#include "Polling.h"
#include "ProgramBoxes.h"
#include "ShellFolders.h"
#include "StartedPrograms.h"
#include "SystemText.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr int FilePageIndex = 0;
constexpr int StatusPageIndex = 1;
constexpr int HelpPageIndex = 3;
constexpr wchar_t FolderWindowClass[] = L"ExplorerWClass";

// --- changes to the prefix, undone when the case ends however it ends ---

// Disables one of Wine's built-in programs through a DLL override in the test prefix while the
// object lives, so that starting it fails as starting a missing or broken program would.
class BuiltInProgramDisabled {
  public:
    explicit BuiltInProgramDisabled(std::wstring program) : program_(std::move(program)) {
        const LSTATUS status = RegSetKeyValueW(HKEY_CURRENT_USER, Overrides, program_.c_str(),
                                               REG_SZ, L"", sizeof(wchar_t));
        Expect(status == ERROR_SUCCESS, L"a DLL override that disables " + program_);
    }
    ~BuiltInProgramDisabled() { Enable(program_); }
    BuiltInProgramDisabled(const BuiltInProgramDisabled&) = delete;
    BuiltInProgramDisabled& operator=(const BuiltInProgramDisabled&) = delete;

    // Also called before the case starts, in case an interrupted run left the override behind.
    static void Enable(const std::wstring& program) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, Overrides, program.c_str());
    }

  private:
    static constexpr wchar_t Overrides[] = L"Software\\Wine\\DllOverrides";
    std::wstring program_;
};

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    Expect(length > 0 && length < MAX_PATH, L"the system folder's path");
    return std::wstring(folder, length);
}

// The display control panel stand-in (built beside the driver) copied into the system folder.
class DeskCplInstalled {
  public:
    DeskCplInstalled() {
        const std::wstring standIn = PathBesideDriver(L"desk.cpl");
        Expect(
            CopyFileW(standIn.c_str(), Path().c_str(), FALSE) != FALSE,
            L"the desk.cpl stand-in " + Quoted(standIn) + L" to be copied into " + Quoted(Path()));
    }
    ~DeskCplInstalled() { Remove(); }
    DeskCplInstalled(const DeskCplInstalled&) = delete;
    DeskCplInstalled& operator=(const DeskCplInstalled&) = delete;

    static void Remove() { DeleteFileW(Path().c_str()); }

  private:
    static std::wstring Path() { return SystemFolder() + L"\\desk.cpl"; }
};

// --- what the shell shows ---

// Explorer started without a folder shows the top of the shell's namespace, the Desktop.
std::wstring DisplayNameOfNamespaceRoot() {
    PIDLIST_ABSOLUTE root = nullptr;
    Expect(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &root) == S_OK,
           L"the item list of the shell's namespace root");
    SHFILEINFOW info{};
    const DWORD_PTR found = SHGetFileInfoW(reinterpret_cast<const wchar_t*>(root), 0, &info,
                                           sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
    CoTaskMemFree(root);
    Expect(found != 0, L"the display name of the shell's namespace root");
    return info.szDisplayName;
}

// --- the program's side ---

// The result the shell gives for opening `file` with `parameters`, asked in the same prefix.
// Only for targets that fail to start: a success would start the program.
UINT ShellOpenResultOfFailingTarget(const wchar_t* file, const wchar_t* parameters) {
    const auto result = static_cast<UINT>(reinterpret_cast<UINT_PTR>(
        ShellExecuteW(nullptr, L"open", file, parameters, nullptr, SW_SHOWNORMAL)));
    Expect(result <= 32, Quoted(file) + L" to fail to start while it is disabled, the shell gave " +
                             std::to_wstring(result));
    return result;
}

// --- the steps ---

struct FolderMenuItem {
    std::wstring_view caption;  // for the report
    int down;                   // items below the first of the submenu (separators not counted)
    std::wstring_view program;
    std::wstring_view windowClass;
    std::wstring expectedCaption;  // empty: not checked (the tool's own, localised title)
};

void OpenFromFolderMenu(const ChildProcess& zubolo, HWND driveList, const FolderMenuItem& item) {
    const StartedPrograms started;
    // Item 1 of the drive list's menu is the head of "エクスプローラーで開く".
    ChooseFromSubmenu(zubolo, driveList, 1, item.down);
    const OpenedWindow opened = started.WaitForWindow(item.program, item.windowClass);
    if (!item.expectedCaption.empty()) {
        ExpectText(L"caption of the window that " + std::wstring(item.caption) + L" opened",
                   item.expectedCaption, opened.caption);
    }
    ExpectNoBoxOf(zubolo, std::wstring(item.caption));
    CloseOpenedWindow(opened);
}

void CheckFolderMenu(const ChildProcess& zubolo, HWND driveList) {
    const FolderMenuItem items[] = {
        {L"デスクトップ", 0, L"explorer.exe", FolderWindowClass,
         DisplayNameOfPath(SpecialFolderPath(CSIDL_DESKTOPDIRECTORY))},
        {L"ホーム", 1, L"explorer.exe", FolderWindowClass, DisplayNameOfNamespaceRoot()},
        {L"ユーザー", 2, L"explorer.exe", FolderWindowClass,
         DisplayNameOfPath(SpecialFolderPath(CSIDL_PROFILE))},
        {L"コントロールパネル", 3, L"control.exe", L"Shell_Control_WndClass", L""},
        // "ごみ箱" (4) belongs to the Explorer linkage.
        {L"タスク マネージャー", 5, L"taskmgr.exe", L"#32770", L""},
    };
    for (const FolderMenuItem& item : items) OpenFromFolderMenu(zubolo, driveList, item);
}

void CheckFilePageButtons(const ChildProcess& zubolo, HWND main) {
    HWND iconSettings = ShowPageButton(main, FilePageIndex, L"デスクトップ アイコンの設定");
    {
        const DeskCplInstalled standIn;
        const StartedPrograms started;
        ClickExpectingNoBox(zubolo, iconSettings);
        const OpenedWindow opened = started.WaitForWindow(L"control.exe", L"#32770");
        ExpectText(L"caption of the box of the desk.cpl stand-in", L"desk.cpl", opened.caption);
        // Wine's control panel hands the applet what follows the second comma of "desk.cpl,,0".
        ExpectText(L"start parameters that the desk.cpl stand-in got", L"0",
                   MessageBoxText(opened.window));
        CloseOpenedWindow(opened);
    }
    // Wine's SHObjectProperties accepts the request and shows nothing.
    ClickExpectingNoBox(zubolo, ButtonCaptioned(main, L"ごみ箱のプロパティ を表示"));
}

void CheckHelpPageButton(const ChildProcess& zubolo, HWND main) {
    HWND properties = ShowPageButton(main, HelpPageIndex, L"プロパティ表示");
    ClickExpectingNoBox(zubolo, properties);
}

void CheckFailuresWithoutControlPanel(const ChildProcess& zubolo, const ZuboloWindows& windows,
                                      HWND driveList) {
    const BuiltInProgramDisabled disabled(L"control.exe");

    const UINT code = ShellOpenResultOfFailingTarget(L"control.exe", nullptr);
    ShowPage(windows.main, StatusPageIndex, driveList);
    ChooseFromSubmenu(zubolo, driveList, 1, 3);  // コントロールパネル
    ExpectFailureBox(zubolo, WindowText(windows.application),
                     L"Open Failed " + std::to_wstring(code) + L"\r\n" + TrimmedSystemText(code) +
                         L"\r\ncontrol.exe");

    const UINT codeWithParameters = ShellOpenResultOfFailingTarget(L"Control.exe", L"desk.cpl,,0");
    HWND iconSettings = ShowPageButton(windows.main, FilePageIndex, L"デスクトップ アイコンの設定");
    Expect(IsWindowEnabled(iconSettings) != FALSE, L"デスクトップ アイコンの設定 to be enabled");
    // Posted: the box's modal loop holds the click until the box is closed.
    PostMessageW(iconSettings, BM_CLICK, 0, 0);
    ExpectFailureBox(zubolo, WindowText(windows.application),
                     L"OpenBy Failed " + std::to_wstring(codeWithParameters) + L"\r\n" +
                         TrimmedSystemText(codeWithParameters) + L"\r\nControl.exe\r\ndesk.cpl,,0");
}

}  // namespace

void RunLocationCommandsCase(const CaseSettings& settings) {
    BuiltInProgramDisabled::Enable(L"control.exe");
    DeskCplInstalled::Remove();
    // Wine's task manager now and then crashes in its window enumeration while it closes. The
    // debugger Wine starts for a crash never ends in this environment and would hold the run, so
    // a program that crashes during the case just ends (Zubolo's own end is checked anyway).
    const BuiltInProgramDisabled noCrashDebugger(L"winedbg.exe");

    ParkMousePointer();
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    // The drive list is on the page in front at start.
    HWND driveList = OnlyDescendant(windows.main, L"SysListView32");

    CheckFolderMenu(zubolo, driveList);
    CheckFilePageButtons(zubolo, windows.main);
    CheckHelpPageButton(zubolo, windows.main);
    CheckFailuresWithoutControlPanel(zubolo, windows, driveList);

    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
