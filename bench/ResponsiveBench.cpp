// responsive_bench.exe [--seconds S] [--interval MS] [--timeout MS] [--warmups N]
//                      <program.exe> <window class> [<program.exe> <window class> ...]
// How long a program's window keeps another process waiting for an answer. Starts each program
// in turn (after N unmeasured starts of each, 1 unless told, so that every measured start finds
// the program's files in the cache) and times the start to its visible top-level window of the
// given class; then, for S
// seconds from that moment, sends the window WM_NULL every MS milliseconds from this process
// with SendMessageTimeoutW (SMTO_NORMAL, a time-out of 10 s unless told) and times each send.
// A window answers WM_NULL as soon as its thread takes the next message, so a send's time is how
// long the thread was busy with something else. Then WM_CLOSE ends the program. Prints per
// program "result <program file name> visible_ms=... median_ms=... max_ms=... max_at_s=...
// over_100ms=... sends=... timeouts=...", which bench/run-responsive reads.
#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "BenchFailure.h"
#include "BenchOutput.h"
#include "BenchPrograms.h"
#include "MeasuredProcess.h"

namespace zubolo::bench {
namespace {

// A send slower than this is a pause a user notices.
constexpr double NoticeableMs = 100;

struct Options {
    double seconds = 30;
    double intervalMs = 50;
    UINT timeoutMs = 10000;
    int warmups = 1;
    std::vector<Program> programs;
};

struct Responses {
    double visibleMs = 0;
    std::vector<double> sendMs;
    double maxAtSeconds = 0;  // when the slowest send began, counted from the visible window
    int timeouts = 0;
};

Responses Measure(const Program& program, const Options& options) {
    Responses responses;
    const double started = NowMs();
    MeasuredProcess process(program.path);
    HWND window = process.WaitForVisibleWindow(program.windowClass);
    const double visible = NowMs();
    responses.visibleMs = visible - started;

    const double end = visible + options.seconds * 1000.0;
    double slowest = -1;
    for (double next = visible; next < end;) {
        const double sent = NowMs();
        DWORD_PTR result = 0;
        const LRESULT answered =
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, options.timeoutMs, &result);
        const double took = NowMs() - sent;
        if (answered == 0) {
            if (!IsWindow(window)) throw BenchFailure{L"the window closed during the measurement"};
            ++responses.timeouts;
        }
        responses.sendMs.push_back(took);
        if (took > slowest) {
            slowest = took;
            responses.maxAtSeconds = (sent - visible) / 1000.0;
        }
        // The next send on the interval's grid: the slots that passed while this one waited are
        // left out, so a long pause counts once, at its full length.
        const double now = NowMs();
        while (next <= now) next += options.intervalMs;
        if (next < end) Sleep(static_cast<DWORD>(next - now));
    }
    process.Close(window);
    return responses;
}

void Print(const Program& program, const Responses& responses) {
    const auto& sends = responses.sendMs;
    const auto noticeable =
        std::count_if(sends.begin(), sends.end(), [](double ms) { return ms > NoticeableMs; });
    PrintLine(L"result " + program.label + L" visible_ms=" + Fixed(responses.visibleMs, 1) +
              L" median_ms=" + Fixed(Median(sends), 3) + L" max_ms=" +
              Fixed(*std::max_element(sends.begin(), sends.end()), 3) + L" max_at_s=" +
              Fixed(responses.maxAtSeconds, 2) + L" over_100ms=" + std::to_wstring(noticeable) +
              L" sends=" + std::to_wstring(sends.size()) + L" timeouts=" +
              std::to_wstring(responses.timeouts));
}

// Returns false on a command line it cannot use.
bool ParseOptions(int argc, wchar_t** argv, Options& options) {
    return ParseProgramArguments(
        argc, argv,
        {{L"--seconds", 1, [&](long value) { options.seconds = static_cast<double>(value); }},
         {L"--interval", 1, [&](long value) { options.intervalMs = static_cast<double>(value); }},
         {L"--timeout", 1, [&](long value) { options.timeoutMs = static_cast<UINT>(value); }},
         {L"--warmups", 0, [&](long value) { options.warmups = static_cast<int>(value); }}},
        options.programs);
}

int Usage() {
    PrintLine(
        L"usage: responsive_bench.exe [--seconds S] [--interval MS] [--timeout MS] [--warmups N] "
        L"<program.exe> <window class> [<program.exe> <window class> ...]\n"
        L"defaults: 30 s of sends, one every 50 ms, each waiting at most 10000 ms, after 1 "
        L"warm-up start of each program");
    return 2;
}

int Run(int argc, wchar_t** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) return Usage();
    // Wine may find no top-level window until the desktop window has been asked for once.
    GetDesktopWindow();
    try {
        ExpectNoneRunning(options.programs);
        WarmUp(options.programs, options.warmups);
        for (const Program& program : options.programs) Print(program, Measure(program, options));
        return 0;
    } catch (const BenchFailure& failure) {
        PrintLine(L"FAIL: " + failure.message);
        return 1;
    }
}

}  // namespace
}  // namespace zubolo::bench

int wmain(int argc, wchar_t** argv) {
    return zubolo::bench::Run(argc, argv);
}
