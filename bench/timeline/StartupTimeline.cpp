// startup_timeline.exe: where the time from the start of the process to the visible main window
// goes. Runs Zubolo's own start-up code (the program entry's steps with the program's host, built
// from the same sources as Zubolo.exe, with its resources) in this process, splits it into
// segments (the entry, the application window, the form's model, the main window, the controls of
// each page, tab order and layout, the creation sequence FormCreate, the show) and times every
// call into the window system, the shell and the file system that the program's code makes in
// each. The segments start where the program makes a telling call (the window class of a page,
// the timer that ends the window's construction), so the program itself is not changed. Once the
// main window is visible it closes it as a user would. Prints one line per segment:
//   segment <ms> <own ms> <working set growth KiB> | <name> | <function> <calls>x <ms>, ...
// own ms: the segment's time outside the timed calls; the working set's growth of the first
// segment, the process start, is the working set at the entry; calls the most costly first,
// exclusive of the timed calls inside them. bench/run-timeline runs it and prints medians.
// Run it without arguments in a prefix where Zubolo is not running: the program's entry reads
// the command line as files to send to the bin.
#include <windows.h>
// (after <windows.h>)
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "BenchOutput.h"
#include "TimedImports.h"
#include "app/ProgramEntry.h"
#include "app/win32/Win32ProgramHost.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/Mutexes.h"
#include "platform/win32/TopLevelWindows.h"

namespace zubolo::bench {
namespace {

constexpr wchar_t PagePrefix[] = L"page ";

std::wstring currentSegment;
HWND mainWindow = nullptr;
double visibleMs = 0;

void Begin(std::wstring name) {
    currentSegment = name;
    StartSegment(std::move(name));
}

std::wstring ClassOf(LPCWSTR className) {
    return IS_INTRESOURCE(className) ? std::wstring() : std::wstring(className);
}

// The stand-ins that also mark where a segment starts.
decltype(&CreateWindowExW) createWindow = nullptr;
HWND WINAPI CreateWindowStandIn(DWORD exStyle, LPCWSTR className, LPCWSTR caption, DWORD style,
                                int x, int y, int width, int height, HWND parent, HMENU menu,
                                HINSTANCE instance, LPVOID parameter) {
    const std::wstring windowClass = ClassOf(className);
    if (windowClass == L"TZuboloForm") {
        Begin(L"main window: frame, font, icon");
    } else if (windowClass == TOOLTIPS_CLASSW) {
        Begin(L"hint window, status bar, tab control");
    } else if (windowClass == L"ZuboloPage") {
        Begin(PagePrefix + std::wstring(caption != nullptr ? caption : L""));
    }
    const TimedCall timed("CreateWindowExW");
    HWND window = createWindow(exStyle, className, caption, style, x, y, width, height, parent,
                               menu, instance, parameter);
    if (windowClass == L"TZuboloForm") mainWindow = window;
    return window;
}

decltype(&SetWindowPos) setWindowPos = nullptr;
BOOL WINAPI SetWindowPosStandIn(HWND window, HWND after, int x, int y, int width, int height,
                                UINT flags) {
    // The controls are made; the window stacks them in tab order, then lays them out.
    if (currentSegment.starts_with(PagePrefix)) Begin(L"tab order, tray, layout");
    const TimedCall timed("SetWindowPos");
    return setWindowPos(window, after, x, y, width, height, flags);
}

decltype(&SetTimer) setTimer = nullptr;
UINT_PTR WINAPI SetTimerStandIn(HWND window, UINT_PTR id, UINT elapse, TIMERPROC function) {
    UINT_PTR result = 0;
    {
        const TimedCall timed("SetTimer");
        result = setTimer(window, id, elapse, function);
    }
    // The window's construction ends with its timer; the creation sequence follows.
    if (window == mainWindow && currentSegment != L"FormCreate") Begin(L"FormCreate");
    return result;
}

decltype(&ShowWindow) showWindow = nullptr;
BOOL WINAPI ShowWindowStandIn(HWND window, int command) {
    BOOL result = FALSE;
    {
        const TimedCall timed("ShowWindow");
        result = showWindow(window, command);
    }
    if (window == mainWindow && visibleMs == 0 && IsWindowVisible(window)) {
        visibleMs = NowMs();
        Begin(L"closing");
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return result;
}

std::vector<ImportHook> Hooks() {
    return {
        {"CreateWindowExW", reinterpret_cast<void*>(&CreateWindowStandIn),
         reinterpret_cast<void**>(&createWindow)},
        {"SetWindowPos", reinterpret_cast<void*>(&SetWindowPosStandIn),
         reinterpret_cast<void**>(&setWindowPos)},
        {"SetTimer", reinterpret_cast<void*>(&SetTimerStandIn),
         reinterpret_cast<void**>(&setTimer)},
        {"ShowWindow", reinterpret_cast<void*>(&ShowWindowStandIn),
         reinterpret_cast<void**>(&showWindow)},
        Timed<decltype(&SendMessageW), "SendMessageW">::Hook(),
        Timed<decltype(&MoveWindow), "MoveWindow">::Hook(),
        Timed<decltype(&LoadImageW), "LoadImageW">::Hook(),
        Timed<decltype(&LoadIconW), "LoadIconW">::Hook(),
        Timed<decltype(&RegisterClassExW), "RegisterClassExW">::Hook(),
        Timed<decltype(&SetWindowTextW), "SetWindowTextW">::Hook(),
        Timed<decltype(&EnableWindow), "EnableWindow">::Hook(),
        Timed<decltype(&InvalidateRect), "InvalidateRect">::Hook(),
        Timed<decltype(&RedrawWindow), "RedrawWindow">::Hook(),
        Timed<decltype(&SetWindowPlacement), "SetWindowPlacement">::Hook(),
        Timed<decltype(&GetWindowPlacement), "GetWindowPlacement">::Hook(),
        Timed<decltype(&SystemParametersInfoForDpi), "SystemParametersInfoForDpi">::Hook(),
        Timed<decltype(&SetForegroundWindow), "SetForegroundWindow">::Hook(),
        Timed<decltype(&EnumWindows), "EnumWindows">::Hook(),
        Timed<decltype(&SetWindowLongPtrW), "SetWindowLongPtrW">::Hook(),
        Timed<decltype(&CreateFontIndirectW), "CreateFontIndirectW">::Hook(),
        Timed<decltype(&GetTextFaceW), "GetTextFaceW">::Hook(),
        Timed<decltype(&GetTextExtentPoint32W), "GetTextExtentPoint32W">::Hook(),
        Timed<decltype(&GetTextMetricsW), "GetTextMetricsW">::Hook(),
        Timed<decltype(&CreateCompatibleDC), "CreateCompatibleDC">::Hook(),
        Timed<decltype(&SelectObject), "SelectObject">::Hook(),
        Timed<decltype(&InitCommonControlsEx), "InitCommonControlsEx">::Hook(),
        Timed<decltype(&ImageList_Create), "ImageList_Create">::Hook(),
        Timed<decltype(&ImageList_ReplaceIcon), "ImageList_ReplaceIcon">::Hook(),
        Timed<decltype(&ImageList_Destroy), "ImageList_Destroy">::Hook(),
        Timed<decltype(&SHGetFileInfoW), "SHGetFileInfoW">::Hook(),
        Timed<decltype(&SHQueryRecycleBinW), "SHQueryRecycleBinW">::Hook(),
        Timed<decltype(&SHGetFolderPathW), "SHGetFolderPathW">::Hook(),
        Timed<decltype(&DragAcceptFiles), "DragAcceptFiles">::Hook(),
        Timed<decltype(&Shell_NotifyIconW), "Shell_NotifyIconW">::Hook(),
        Timed<decltype(&CoInitializeEx), "CoInitializeEx">::Hook(),
        Timed<decltype(&GetDiskFreeSpaceExW), "GetDiskFreeSpaceExW">::Hook(),
        Timed<decltype(&GetLogicalDriveStringsW), "GetLogicalDriveStringsW">::Hook(),
        Timed<decltype(&CreateFileW), "CreateFileW">::Hook(),
        Timed<decltype(&ReadFile), "ReadFile">::Hook(),
        Timed<decltype(&GetFileAttributesW), "GetFileAttributesW">::Hook(),
        Timed<decltype(&CreateMutexW), "CreateMutexW">::Hook(),
        Timed<decltype(&GetLocaleInfoEx), "GetLocaleInfoEx">::Hook(),
        Timed<decltype(&LoadLibraryExW), "LoadLibraryExW">::Hook(),
    };
}

// The program's host, with a segment for each of its steps.
class TimedHost final : public ProgramHost {
  public:
    explicit TimedHost(ProgramHost& host) : host_(host) {}
    WindowHandle ApplicationWindow() override {
        Begin(L"application window");
        return host_.ApplicationWindow();
    }
    void InitializeApplication() override {
        Begin(L"common controls");
        host_.InitializeApplication();
    }
    void CreateMainWindow() override {
        Begin(L"form model, window classes");
        host_.CreateMainWindow();
    }
    void RunMessageLoop() override {
        Begin(L"show");
        host_.RunMessageLoop();
    }

  private:
    ProgramHost& host_;
};

double FileTimeMs(const FILETIME& time) {
    return static_cast<double>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart) /
           10000.0;
}

// From the creation of this process to now, by the wall clock.
double SinceProcessStartMs() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    return FileTimeMs(now) - FileTimeMs(created);
}

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

void PrintSegment(const Segment& segment) {
    const double ms = segment.endMs - segment.startMs;
    std::vector<CallTotals> calls = segment.calls;
    std::sort(calls.begin(), calls.end(),
              [](const CallTotals& a, const CallTotals& b) { return a.ms > b.ms; });
    std::wstring line = L"segment " + Fixed(ms, 1) + L" " + Fixed(ms - segment.CallMs(), 1) + L" " +
                        std::to_wstring(segment.workingSetGrowth / 1024) + L" | " + segment.name +
                        L" | ";
    const wchar_t* separator = L"";
    for (const CallTotals& call : calls) {
        if (call.ms < 0.05) continue;
        line += separator + Widen(call.function) + L" " + std::to_wstring(call.calls) + L"x " +
                Fixed(call.ms, 1);
        separator = L", ";
    }
    PrintLine(line);
}

int Run() {
    const double entryMs = NowMs();
    const double startedMs = entryMs - SinceProcessStartMs();
    for (const std::string& name : InstallImportHooks(Hooks()))
        PrintLine(L"note: this program does not import " + Widen(name));
    Begin(L"entry: DLL directories, COM");

    // As the program's entry does.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Application application;
    Win32Mutexes mutexes;
    Win32TopLevelWindows windows;
    Win32MessageBoxes boxes;
    {
        Win32ProgramHost host(application, SW_SHOWNORMAL);
        TimedHost timedHost(host);
        Begin(L"instance check");
        RunProgram(application, {mutexes, windows, boxes}, timedHost);
    }
    if (SUCCEEDED(com)) CoUninitialize();

    if (visibleMs == 0) {
        PrintLine(L"FAIL: the main window did not show");
        return 1;
    }
    const std::vector<Segment> segments = FinishSegments();
    // The working set at the entry is all that the process start added.
    PrintLine(L"segment " + Fixed(entryMs - startedMs, 1) + L" " + Fixed(entryMs - startedMs, 1) +
              L" " + std::to_wstring(segments.front().workingSetAtStart / 1024) +
              L" | process start to entry: loading the program and its DLLs | ");
    for (const Segment& segment : segments) {
        if (segment.name == L"closing") break;
        PrintSegment(segment);
    }
    PrintLine(L"visible_ms=" + Fixed(visibleMs - startedMs, 1));
    return 0;
}

}  // namespace
}  // namespace zubolo::bench

int wmain() {
    return zubolo::bench::Run();
}
