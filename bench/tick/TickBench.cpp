// tick_bench.exe [--seconds S]
// Times one tick of the Recycle Bin monitor and one refresh of the drive table beside one bare
// SHQueryRecycleBinW(NULL), taking turns in the same run, and prints the medians and their
// ratios. Both have that query made on the reading thread (the refresh once per drive and once
// for the whole bin) and take its answers on the window's thread, so the query is the floor
// their time until done cannot go below; the ratio shows what the rest costs. Beside it, the
// time the window's own thread spent on them: what the user waits for. They run on a real main
// window (status bar, drive list, application window) so that their texts reach real controls,
// as in the program; the window is never shown and its creation sequence is not run. The tick is
// timed with page "ファイル" in front, where it leaves the drive table alone. For each drive it
// also prints what the calls of its row cost one by one. bench/run-tick fills the bin and runs
// this once per bin size.
#include <windows.h>
// (after <windows.h>)
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "BenchFailure.h"
#include "BenchOutput.h"
#include "about/win32/AboutBoxWindow.h"
#include "mainwindow/ZuboloForm.h"
#include "mainwindow/win32/FormWindow.h"
#include "platform/Process.h"
#include "platform/win32/Clock.h"
#include "platform/win32/DiskQueries.h"
#include "platform/win32/Display.h"
#include "platform/win32/Drives.h"
#include "platform/win32/FileSystem.h"
#include "platform/win32/FileVersions.h"
#include "platform/win32/KnownPaths.h"
#include "platform/win32/Locale.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/RecycleBin.h"
#include "platform/win32/Shell.h"
#include "platform/win32/ShellLinks.h"
#include "platform/win32/TextCodec.h"
#include "platform/win32/TopLevelWindows.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowFrame.h"
#include "platform/win32/WindowPresentation.h"
#include "ui/win32/ApplicationWindow.h"

namespace {

using zubolo::bench::Fixed;
using zubolo::bench::NowMs;
using zubolo::bench::PrintLine;

using zubolo::bench::BenchFailure;

constexpr int Warmups = 3;
constexpr int MinimumRounds = 5;
constexpr int MaximumRounds = 2000;
constexpr std::uint64_t ForcedChange = 2147483647;

template <class Action>
double TimedMs(Action action) {
    const double start = NowMs();
    action();
    return NowMs() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Handles what the ticks left in the queue (repaints, caption changes) outside the timings.
void DrainMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

SHQUERYRBINFO BareQuery() {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof(info);
    if (SHQueryRecycleBinW(nullptr, &info) != S_OK)
        throw BenchFailure{L"the bare query of the Recycle Bin failed"};
    return info;
}

// A tick or a refresh from its start until the window has taken the background reading's answers:
// how long that took, and how much of it the window's own thread was busy (the start, and each
// message it handled, the answers among them), time in which it could not answer its user.
struct ReadingTime {
    double doneMs = 0;
    double windowThreadMs = 0;
};

template <class Start>
ReadingTime TimedReading(const zubolo::TZuboloForm& form, Start start) {
    const double begin = NowMs();
    ReadingTime time;
    time.windowThreadMs = TimedMs(start);
    MSG message;
    while (form.Readings.UnderWay() && GetMessageW(&message, nullptr, 0, 0) > 0) {
        time.windowThreadMs += TimedMs([&] { DispatchMessageW(&message); });
    }
    time.doneMs = NowMs() - begin;
    return time;
}

struct Timings {
    std::vector<double> query;
    std::vector<ReadingTime> steadyTick, changedTick, refresh;
};

// One refresh of the drive table, with its page in front as the program refreshes it.
ReadingTime TimedRefresh(zubolo::TZuboloForm& form) {
    form.PageControl1.SetActivePage(form.TabSheetStatus);
    const ReadingTime time = TimedReading(form, [&] { form.RefreshDriveStatistics(); });
    form.PageControl1.SetActivePage(form.TabSheetFile);
    DrainMessages();
    return time;
}

// Rounds of query, tick with the bin unchanged and tick with a change, until `seconds` have
// passed (at least MinimumRounds, at most MaximumRounds).
Timings Measure(zubolo::TZuboloForm& form, double seconds) {
    for (int i = 0; i < Warmups; ++i) {
        BareQuery();
        TimedReading(form, [&] { form.Timer1Timer(); });
    }
    Timings timings;
    const double end = NowMs() + seconds * 1000.0;
    for (int round = 0; round < MaximumRounds; ++round) {
        if (round >= MinimumRounds && NowMs() >= end) break;
        timings.query.push_back(TimedMs([] { BareQuery(); }));
        timings.steadyTick.push_back(TimedReading(form, [&] { form.Timer1Timer(); }));
        DrainMessages();
        form.Monitor.PrevCount = ForcedChange;
        timings.changedTick.push_back(TimedReading(form, [&] { form.Timer1Timer(); }));
        DrainMessages();
        timings.refresh.push_back(TimedRefresh(form));
    }
    return timings;
}

double MedianDone(const std::vector<ReadingTime>& times) {
    std::vector<double> values;
    for (const ReadingTime& time : times) values.push_back(time.doneMs);
    return Median(values);
}

double MedianWindowThread(const std::vector<ReadingTime>& times) {
    std::vector<double> values;
    for (const ReadingTime& time : times) values.push_back(time.windowThreadMs);
    return Median(values);
}

// The calls of one drive row, each timed on its own (medians of a few rounds): the sizes, the
// drive's own bin, the whole bin and the shell's icon.
void PrintRowCosts() {
    constexpr int Rounds = 3;
    wchar_t roots[512] = {};
    GetLogicalDriveStringsW(static_cast<DWORD>(std::size(roots)), roots);
    for (const wchar_t* root = roots; *root != L'\0'; root += std::wcslen(root) + 1) {
        const std::wstring drive(root, std::wcslen(root) - 1);
        std::vector<double> space, ownBin, wholeBin, icon;
        for (int round = 0; round < Rounds; ++round) {
            ULARGE_INTEGER freeForCaller{}, total{};
            space.push_back(
                TimedMs([&] { GetDiskFreeSpaceExW(root, &freeForCaller, &total, nullptr); }));
            SHQUERYRBINFO info{};
            info.cbSize = sizeof(info);
            ownBin.push_back(TimedMs([&] { SHQueryRecycleBinW(drive.c_str(), &info); }));
            wholeBin.push_back(TimedMs([&] { SHQueryRecycleBinW(nullptr, &info); }));
            icon.push_back(TimedMs([&] {
                SHFILEINFOW file{};
                if (SHGetFileInfoW(root, 0, &file, sizeof(file), SHGFI_ICON | SHGFI_SMALLICON))
                    DestroyIcon(file.hIcon);
            }));
        }
        PrintLine(L"row " + drive + L" space_ms=" + Fixed(Median(space), 4) + L" drive_bin_ms=" +
                  Fixed(Median(ownBin), 4) + L" whole_bin_ms=" + Fixed(Median(wholeBin), 4) +
                  L" icon_ms=" + Fixed(Median(icon), 4));
    }
}

double ParseSeconds(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring_view(argv[1]) == L"--seconds") {
        const double seconds = std::wcstod(argv[2], nullptr);
        if (seconds > 0) return seconds;
    }
    if (argc != 1) throw BenchFailure{L"usage: tick_bench.exe [--seconds S]"};
    return 5;
}

// The bench's own arguments are not files for the form to dispose of.
class NoFilesProcess final : public zubolo::Process {
  public:
    std::u16string CommandLine() const override { return u"tick_bench.exe"; }
    void RequestQuit() override { PostQuitMessage(0); }
};

void Run(int argc, wchar_t** argv) {
    const double seconds = ParseSeconds(argc, argv);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES |
                                                        ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                                        ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    zubolo::Win32Clock clock;
    zubolo::Win32Locale locale;
    zubolo::Win32RecycleBin recycleBin;
    zubolo::Win32TopLevelWindows windows;
    zubolo::Win32MessageBoxes boxes;
    zubolo::Win32Shell shell;
    zubolo::Win32WindowFrame frame;
    zubolo::Win32FileSystem files;
    zubolo::Win32TextCodec ansiCodePage;
    zubolo::Win32KnownPaths paths;
    NoFilesProcess process;
    zubolo::Win32ShellLinks links;
    zubolo::Win32FileVersions versions;
    zubolo::Win32Display display;
    zubolo::Win32AboutBoxes aboutBoxes;
    zubolo::Win32WindowPresentation presentation;
    zubolo::Win32Drives drives;
    zubolo::Win32DiskQueries diskQueries;
    zubolo::FormServices services{clock,        locale, recycleBin, windows,      boxes,
                                  shell,        frame,  files,      ansiCodePage, paths,
                                  process,      links,  versions,   display,      aboutBoxes,
                                  presentation, drives, diskQueries};
    zubolo::Application application;
    zubolo::ApplicationWindow applicationWindow(application);
    zubolo::TZuboloForm form(application, services);
    zubolo::FormWindow formWindow(form, applicationWindow.Handle());
    applicationWindow.SetMainWindow(formWindow.Handle());

    const SHQUERYRBINFO bin = BareQuery();
    const Timings timings = Measure(form, seconds);
    const double query = Median(timings.query);
    const double steady = MedianDone(timings.steadyTick);
    const double changed = MedianDone(timings.changedTick);
    const double refresh = MedianDone(timings.refresh);
    const std::wstring panel = zubolo::ToWide(form.StatusBar1.PanelText(1));

    PrintLine(L"bin: " + std::to_wstring(bin.i64NumItems) + L" items, " +
              std::to_wstring(bin.i64Size) + L" bytes; panel 1 reads " + panel + L"; " +
              std::to_wstring(timings.query.size()) + L" rounds");
    PrintLine(L"result items=" + std::to_wstring(bin.i64NumItems) + L" query_ms=" +
              Fixed(query, 4) + L" tick_ms=" + Fixed(steady, 4) + L" changed_tick_ms=" +
              Fixed(changed, 4) + L" refresh_ms=" + Fixed(refresh, 4) + L" rows=" +
              std::to_wstring(form.ListView1.Items().size()) + L" tick_ratio=" +
              Fixed(steady / query, 3) + L" changed_tick_ratio=" + Fixed(changed / query, 3) +
              L" refresh_ratio=" + Fixed(refresh / query, 3) + L" tick_window_ms=" +
              Fixed(MedianWindowThread(timings.steadyTick), 4) + L" changed_tick_window_ms=" +
              Fixed(MedianWindowThread(timings.changedTick), 4) + L" refresh_window_ms=" +
              Fixed(MedianWindowThread(timings.refresh), 4));
    PrintRowCosts();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    try {
        Run(argc, argv);
    } catch (const BenchFailure& failure) {
        PrintLine(L"FAIL: " + failure.message);
        status = 1;
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return status;
}
