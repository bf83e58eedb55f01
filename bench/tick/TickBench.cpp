// tick_bench.exe [--seconds S]
// Times one tick of the Recycle Bin monitor beside one bare SHQueryRecycleBinW(NULL), taking
// turns in the same run, and prints the medians and their ratio. The tick makes that query
// itself and runs on the user-interface thread, so the query is the floor it cannot go below;
// the ratio shows what the rest of the tick costs. The tick runs on a real main window (status
// bar, application window) so that its texts reach real controls, as in the program; the
// window is never shown and its creation sequence is not run. bench/run-tick fills the bin and
// runs this once per bin size.
#include <windows.h>
// (after <windows.h>)
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
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
#include "platform/win32/Display.h"
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

struct Timings {
    std::vector<double> query, steadyTick, changedTick;
};

// Rounds of query, tick with the bin unchanged and tick with a change, until `seconds` have
// passed (at least MinimumRounds, at most MaximumRounds).
Timings Measure(zubolo::TZuboloForm& form, double seconds) {
    for (int i = 0; i < Warmups; ++i) {
        BareQuery();
        form.Timer1Timer();
        DrainMessages();
    }
    Timings timings;
    const double end = NowMs() + seconds * 1000.0;
    for (int round = 0; round < MaximumRounds; ++round) {
        if (round >= MinimumRounds && NowMs() >= end) break;
        timings.query.push_back(TimedMs([] { BareQuery(); }));
        timings.steadyTick.push_back(TimedMs([&] { form.Timer1Timer(); }));
        DrainMessages();
        form.Monitor.PrevCount = ForcedChange;
        timings.changedTick.push_back(TimedMs([&] { form.Timer1Timer(); }));
        DrainMessages();
    }
    return timings;
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
    zubolo::FormServices services{clock,    locale,  recycleBin,   windows,     boxes,   shell,
                                  frame,    files,   ansiCodePage, paths,       process, links,
                                  versions, display, aboutBoxes,   presentation};
    zubolo::Application application;
    zubolo::ApplicationWindow applicationWindow(application);
    zubolo::TZuboloForm form(application, services);
    zubolo::FormWindow formWindow(form, applicationWindow.Handle());
    applicationWindow.SetMainWindow(formWindow.Handle());

    const SHQUERYRBINFO bin = BareQuery();
    const Timings timings = Measure(form, seconds);
    const double query = Median(timings.query);
    const double steady = Median(timings.steadyTick);
    const double changed = Median(timings.changedTick);
    const std::wstring panel = zubolo::ToWide(form.StatusBar1.PanelText(1));

    PrintLine(L"bin: " + std::to_wstring(bin.i64NumItems) + L" items, " +
              std::to_wstring(bin.i64Size) + L" bytes; panel 1 reads " + panel + L"; " +
              std::to_wstring(timings.query.size()) + L" rounds");
    PrintLine(L"result items=" + std::to_wstring(bin.i64NumItems) + L" query_ms=" +
              Fixed(query, 4) + L" tick_ms=" + Fixed(steady, 4) + L" changed_tick_ms=" +
              Fixed(changed, 4) + L" tick_ratio=" + Fixed(steady / query, 3) +
              L" changed_tick_ratio=" + Fixed(changed / query, 3));
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
