// The linkage to the Explorer window that shows the Recycle Bin, as a user meets it, with a
// stand-in for that window (Wine has none): "ごみ箱を開く" opens the bin through the shell, which
// starts the stand-in; the program finds and links it; "連携を解除" gives it the caption "ごみ箱"
// back. A linked window that stops answering does not take the program with it.
//
// This Wine never delivers WM_GETICON to another process and answers 0, so the program sees the
// window without an icon: it links the window but writes the count and size only into a window
// whose icon it knows, and leaves this one's caption alone until the linkage ends. Where the
// platform delivers the icon, the linked window shows the count and size.
#include <windows.h>

#include <chrono>
#include <string>

#include "Cases.h"
#include "ChildProcess.h"
#include "CommonControls.h"
#include "MainWindowInput.h"
#include "Polling.h"
#include "Report.h"
#include "Responsiveness.h"
#include "Screenshot.h"
#include "StartedPrograms.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int FilePageIndex = 0;
constexpr int StatusPageIndex = 1;
// What the stand-in (tests/e2e/ExplorerStandIn.cpp) is and does.
constexpr wchar_t StandInProgram[] = L"explorer-stand-in.exe";
constexpr wchar_t ExplorerWindowClass[] = L"CabinetWClass";
constexpr wchar_t StandInCaption[] = L"ごみ箱 - エクスプローラー";
constexpr int StandInLocationId = 1;
constexpr wchar_t HangMessageName[] = L"ZuboloE2EExplorerStandInHang";
constexpr wchar_t WakeEventName[] = L"ZuboloE2EExplorerStandInWake";

constexpr wchar_t UsualCaption[] = L"ごみ箱";
constexpr wchar_t RecycleBinLocation[] = L"shell:RecycleBinFolder";
constexpr wchar_t EmptyBinText[] = L"(0) 0";
// The program answers within this time, whatever the linked window does.
constexpr milliseconds AnswerLimit{3000};

// The stand-in registered in the prefix as the handler of the shell: scheme while the object
// lives. Wine reads URL schemes from HKEY_CLASSES_ROOT only.
class ShellSchemeHandler {
  public:
    ShellSchemeHandler() {
        Remove();
        const std::wstring command = L"\"" + PathBesideDriver(StandInProgram) + L"\" \"%1\"";
        Set(L"shell", nullptr, L"URL:shell Protocol");
        Set(L"shell", L"URL Protocol", L"");
        Set(L"shell\\shell\\open\\command", nullptr, command);
    }
    ~ShellSchemeHandler() { Remove(); }
    ShellSchemeHandler(const ShellSchemeHandler&) = delete;
    ShellSchemeHandler& operator=(const ShellSchemeHandler&) = delete;

  private:
    static void Set(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
        const LSTATUS status =
            RegSetKeyValueW(HKEY_CLASSES_ROOT, key, name, REG_SZ, value.c_str(),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        Expect(status == ERROR_SUCCESS, L"the registry value HKCR\\" + std::wstring(key) + L" " +
                                            Quoted(name != nullptr ? name : L"") +
                                            L" to be written");
    }
    static void Remove() { RegDeleteTreeW(HKEY_CLASSES_ROOT, L"shell"); }
};

// Every stand-in still running when the case ends, whatever way it ends, is ended too: another
// case must not find its window, and its process would hold the test run's output open.
class StandInsEnded {
  public:
    StandInsEnded() { EndProcessesNamed(StandInProgram); }
    ~StandInsEnded() { EndProcessesNamed(StandInProgram); }
    StandInsEnded(const StandInsEnded&) = delete;
    StandInsEnded& operator=(const StandInsEnded&) = delete;
};

// The stand-in window that opening the Recycle Bin started.
class StandIn {
  public:
    explicit StandIn(const StartedPrograms& started)
        : opened_(started.WaitForWindow(StandInProgram, ExplorerWindowClass)) {
        ExpectText(L"caption of the stand-in window", StandInCaption, opened_.caption);
        ExpectText(L"location the shell passed to the stand-in", RecycleBinLocation,
                   WindowText(GetDlgItem(opened_.window, StandInLocationId)));
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    HWND Window() const { return opened_.window; }
    std::wstring Caption() const { return WindowText(opened_.window); }
    void Close() const { CloseOpenedWindow(opened_); }

    // Whether the program can read the window's small icon: this Wine answers 0 to every
    // process but the window's own.
    bool IconReachesOtherProcesses() const {
        DWORD_PTR icon = 0;
        SendMessageTimeoutW(opened_.window, WM_GETICON, ICON_SMALL, 0, SMTO_ABORTIFHUNG, 2000,
                            &icon);
        return icon != 0;
    }

  private:
    OpenedWindow opened_;
};

// The stand-in stops answering messages, as a hung program does, while the object lives.
class StandInHung {
  public:
    explicit StandInHung(const StandIn& standIn) : window_(standIn.Window()) {
        wake_ = CreateEventW(nullptr, TRUE, FALSE, WakeEventName);
        Expect(wake_ != nullptr, L"the event that wakes the stand-in");
        ResetEvent(wake_);
        PostMessageW(window_, RegisterWindowMessageW(HangMessageName), 0, 0);
        WaitFor(L"the stand-in window to stop answering",
                [&] { return !Answers(window_, milliseconds(100)); });
    }
    ~StandInHung() {
        SetEvent(wake_);
        PollUntil([&] { return Answers(window_, milliseconds(100)); });
        CloseHandle(wake_);
    }
    StandInHung(const StandInHung&) = delete;
    StandInHung& operator=(const StandInHung&) = delete;

  private:
    HWND window_;
    HANDLE wake_ = nullptr;
};

}  // namespace

void RunExplorerLinkageCase(const CaseSettings& settings) {
    const StandInsEnded standInsEnded;
    const ShellSchemeHandler handler;
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND statusBar = OnlyDescendant(windows.main, L"msctls_statusbar32");

    const StartedPrograms started;
    // The button under the drive list; page "ファイル" has another one.
    HWND openBin = ButtonCaptioned(windows.main, L"ごみ箱を開く");
    ShowPage(windows.main, StatusPageIndex, openBin);
    ClickExpectingNoBox(zubolo, openBin);
    const StandIn standIn(started);

    WaitForTick(statusBar);
    ExpectText(L"caption of the linked stand-in window",
               standIn.IconReachesOtherProcesses() ? EmptyBinText : StandInCaption,
               standIn.Caption());
    SaveWindowsScreenshot({windows.main, standIn.Window()},
                          settings.screenshotFolder + L"\\explorer-linked.bmp");

    ClickExpectingNoBox(zubolo, ShowPageButton(windows.main, FilePageIndex, L"連携を解除"));
    ExpectText(L"caption of the stand-in window after 連携を解除", UsualCaption, standIn.Caption());
    Expect(IsWindowEnabled(ButtonCaptioned(windows.main, L"連携を開始")) != FALSE,
           L"連携を開始 to be enabled after 連携を解除");

    standIn.Close();
    CloseZubolo(zubolo, windows);
}

void RunExplorerHungCase(const CaseSettings& settings) {
    const StandInsEnded standInsEnded;
    const ShellSchemeHandler handler;
    ParkMousePointer();
    ChildProcess zubolo(settings.zuboloPath);
    const ZuboloWindows windows = WaitForVisibleMainWindow(zubolo);
    HWND statusBar = OnlyDescendant(windows.main, L"msctls_statusbar32");
    HWND driveList = OnlyDescendant(windows.main, L"SysListView32");

    const StartedPrograms started;
    // Item 1 of the drive list's menu is the head of "エクスプローラーで開く", whose item 4 is
    // "ごみ箱".
    ChooseFromSubmenu(zubolo, driveList, 1, 4);
    const StandIn standIn(started);
    WaitForTick(statusBar);

    const milliseconds answering = LongestWaitOverTicks(windows.main, statusBar, 3, AnswerLimit,
                                                        L"while the linked window answers");
    {
        const StandInHung hung(standIn);
        const milliseconds silent = LongestWaitOverTicks(windows.main, statusBar, 3, AnswerLimit,
                                                         L"while the linked window is hung");

        HWND stop = ShowPageButton(windows.main, FilePageIndex, L"連携を解除");
        const auto clicked = Clock::now();
        DWORD_PTR result = 0;
        const bool returned =
            SendMessageTimeoutW(stop, BM_CLICK, 0, 0, SMTO_NORMAL,
                                static_cast<UINT>(AnswerLimit.count()), &result) != 0;
        const auto switchingOff = std::chrono::duration_cast<milliseconds>(Clock::now() - clicked);
        Expect(returned, L"連携を解除 to return within 3 s while the linked window is hung");
        Expect(IsWindowEnabled(ButtonCaptioned(windows.main, L"連携を開始")) != FALSE,
               L"連携を開始 to be enabled after 連携を解除");
        WaitForTick(statusBar);
        PrintLine(L"note: longest wait for the program over three ticks: " + Ms(answering) +
                  L" with the linked window answering, " + Ms(silent) +
                  L" with it hung; 連携を解除 with it hung took " + Ms(switchingOff));
    }

    standIn.Close();
    CloseZubolo(zubolo, windows);
}

}  // namespace zubolo::e2e
