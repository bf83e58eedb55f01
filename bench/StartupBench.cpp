// startup_bench.exe [options] <program.exe> <window class> [<program.exe> <window class> ...]
// Measures programs in runs that take turns, so that a busy moment of the machine falls on all
// of them alike. Each run starts a program and measures: the time from CreateProcessW to its
// visible top-level window of the given class; its working set once that window is up and again
// after it has settled; its CPU time up to just after the window showed and over an idle time.
// Then WM_CLOSE to that window ends it (a single-instance program must be gone before its next
// start). Prints every run and, per program, a line of medians and one of least values,
// "median <program file name> name=value ..." and "least ...", which bench/run-startup reads.
//
// CPU time comes from the Linux scheduler (LinuxProcessClock): Wine's GetProcessTimes on another
// process's handle reports the calling process's own times.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

#include "BenchFailure.h"
#include "BenchOutput.h"
#include "BenchPrograms.h"
#include "LinuxProcessClock.h"
#include "MeasuredProcess.h"

namespace {

using zubolo::bench::Fixed;
using zubolo::bench::NowMs;
using zubolo::bench::PrintLine;

using zubolo::bench::BenchFailure;
using zubolo::bench::Least;
using zubolo::bench::LinuxProcessClock;
using zubolo::bench::MeasuredProcess;
using zubolo::bench::Median;
using zubolo::bench::Program;
using zubolo::bench::WarmUp;

struct Options {
    int runs = 5;
    int warmups = 1;
    DWORD settleMs = 2000;
    DWORD idleMs = 60000;
    std::vector<Program> programs;
};

struct RunFigures {
    double visibleMs = 0;
    double workingSetAtVisibleKiB = 0;
    double workingSetKiB = 0;
    double peakWorkingSetKiB = 0;
    double privateKiB = 0;
    double startCpuMs = 0;
    double idleCpuMs = 0;
};

// The figures, in the order and with the names of the printed lines.
struct FigureField {
    const wchar_t* name;
    double RunFigures::*value;
    int decimals;
};
constexpr FigureField Fields[] = {
    {L"visible_ms", &RunFigures::visibleMs, 1},
    {L"working_set_at_visible_kib", &RunFigures::workingSetAtVisibleKiB, 0},
    {L"working_set_kib", &RunFigures::workingSetKiB, 0},
    {L"peak_working_set_kib", &RunFigures::peakWorkingSetKiB, 0},
    {L"private_kib", &RunFigures::privateKiB, 0},
    {L"start_cpu_ms", &RunFigures::startCpuMs, 1},
    {L"idle_cpu_ms", &RunFigures::idleCpuMs, 2},
};

double KiB(SIZE_T bytes) {
    return static_cast<double>(bytes) / 1024.0;
}

RunFigures MeasureRun(const Program& program, const Options& options) {
    RunFigures figures;
    const double started = NowMs();
    MeasuredProcess process(program.path);
    HWND window = process.WaitForVisibleWindow(program.windowClass);
    figures.visibleMs = NowMs() - started;
    figures.workingSetAtVisibleKiB = KiB(process.Memory().WorkingSetSize);
    const LinuxProcessClock cpuClock(program.path);
    figures.startCpuMs = cpuClock.CpuMs();

    Sleep(options.settleMs);
    const auto settled = process.Memory();
    figures.workingSetKiB = KiB(settled.WorkingSetSize);
    figures.peakWorkingSetKiB = KiB(settled.PeakWorkingSetSize);
    // Commit charge in Windows; Wine reports the process's anonymous resident memory here.
    figures.privateKiB = KiB(settled.PagefileUsage);
    const double settledCpuMs = cpuClock.CpuMs();

    Sleep(options.idleMs);
    figures.idleCpuMs = cpuClock.CpuMs() - settledCpuMs;
    if (!IsWindow(window)) throw BenchFailure{L"the window closed during the idle time"};
    process.Close(window);
    return figures;
}

// Each figure reduced over the runs by summarize.
RunFigures Summary(const std::vector<RunFigures>& runs, double (*summarize)(std::vector<double>)) {
    RunFigures summary;
    for (const auto& field : Fields) {
        std::vector<double> values;
        for (const auto& run : runs) values.push_back(run.*field.value);
        summary.*field.value = summarize(values);
    }
    return summary;
}

void PrintFigures(std::wstring_view label, const RunFigures& figures) {
    std::wstring line(label);
    for (const auto& field : Fields)
        line +=
            L" " + std::wstring(field.name) + L"=" + Fixed(figures.*field.value, field.decimals);
    PrintLine(line);
}

// Returns false on a command line it cannot use.
bool ParseOptions(int argc, wchar_t** argv, Options& options) {
    return zubolo::bench::ParseProgramArguments(
        argc, argv,
        {{L"--runs", 1, [&](long value) { options.runs = static_cast<int>(value); }},
         {L"--warmups", 0, [&](long value) { options.warmups = static_cast<int>(value); }},
         {L"--settle", 0, [&](long value) { options.settleMs = static_cast<DWORD>(value) * 1000; }},
         {L"--idle", 1, [&](long value) { options.idleMs = static_cast<DWORD>(value) * 1000; }}},
        options.programs);
}

int Usage() {
    PrintLine(
        L"usage: startup_bench.exe [--runs N] [--warmups N] [--settle SECONDS] [--idle SECONDS] "
        L"<program.exe> <window class> [<program.exe> <window class> ...]\n"
        L"defaults: 5 runs, 1 warm-up start per program, 2 s to settle, 60 s of idle");
    return 2;
}

void Measure(const Options& options) {
    zubolo::bench::ExpectNoneRunning(options.programs);
    PrintLine(std::to_wstring(options.runs) + L" runs per program, " +
              std::to_wstring(options.settleMs / 1000) + L" s to settle, " +
              std::to_wstring(options.idleMs / 1000) + L" s of idle each");
    WarmUp(options.programs, options.warmups);
    std::vector<std::vector<RunFigures>> runs(options.programs.size());
    for (int run = 1; run <= options.runs; ++run) {
        for (std::size_t p = 0; p < options.programs.size(); ++p) {
            runs[p].push_back(MeasureRun(options.programs[p], options));
            PrintFigures(L"run " + std::to_wstring(run) + L" " + options.programs[p].label,
                         runs[p].back());
        }
    }
    // The least value shows a program's figure with the least interference from the rest of
    // the machine; the median is the typical one.
    for (std::size_t p = 0; p < options.programs.size(); ++p) {
        PrintFigures(L"median " + options.programs[p].label, Summary(runs[p], Median));
        PrintFigures(L"least " + options.programs[p].label, Summary(runs[p], Least));
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) return Usage();
    // Wine may find no top-level window until the desktop window has been asked for once.
    GetDesktopWindow();
    try {
        Measure(options);
        return 0;
    } catch (const BenchFailure& failure) {
        PrintLine(L"FAIL: " + failure.message);
        return 1;
    }
}
