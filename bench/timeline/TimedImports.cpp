#include "TimedImports.h"

#include <windows.h>
// (psapi after <windows.h>)
#include <psapi.h>

#include <algorithm>
#include <cstring>

#include "BenchOutput.h"

namespace zubolo::bench {
namespace {

std::vector<Segment> segments;
TimedCall* innermost = nullptr;
DWORD hookingThread = 0;

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

void Count(const char* function, double ms) {
    if (segments.empty()) return;
    auto& calls = segments.back().calls;
    auto found = std::find_if(calls.begin(), calls.end(), [&](const CallTotals& totals) {
        return totals.function == function;
    });
    if (found == calls.end()) found = calls.insert(calls.end(), CallTotals{function});
    ++found->calls;
    found->ms += ms;
}

template <class T>
T* At(BYTE* base, DWORD offset) {
    return reinterpret_cast<T*>(base + offset);
}

void EndSegment(Segment& segment, double now, SIZE_T workingSet) {
    segment.endMs = now;
    segment.workingSetGrowth =
        static_cast<long long>(workingSet) - static_cast<long long>(segment.workingSetAtStart);
}

}  // namespace

std::vector<std::string> InstallImportHooks(const std::vector<ImportHook>& hooks) {
    hookingThread = GetCurrentThreadId();
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = At<IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> missing;
    for (const ImportHook& hook : hooks) missing.emplace_back(hook.name);
    for (auto* module = At<IMAGE_IMPORT_DESCRIPTOR>(base, imports.VirtualAddress);
         module->Name != 0; ++module) {
        auto* names = At<IMAGE_THUNK_DATA>(base, module->OriginalFirstThunk);
        auto* entries = At<IMAGE_THUNK_DATA>(base, module->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++entries) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const char* name =
                At<IMAGE_IMPORT_BY_NAME>(base, static_cast<DWORD>(names->u1.AddressOfData))->Name;
            const auto hook = std::find_if(hooks.begin(), hooks.end(), [&](const ImportHook& h) {
                return std::strcmp(h.name, name) == 0;
            });
            if (hook == hooks.end()) continue;
            *hook->original = reinterpret_cast<void*>(entries->u1.Function);
            DWORD protection = 0;
            VirtualProtect(&entries->u1.Function, sizeof(void*), PAGE_READWRITE, &protection);
            entries->u1.Function = reinterpret_cast<ULONG_PTR>(hook->standIn);
            VirtualProtect(&entries->u1.Function, sizeof(void*), protection, &protection);
            std::erase(missing, std::string(name));
        }
    }
    return missing;
}

void StartSegment(std::wstring name) {
    const double now = NowMs();
    const SIZE_T workingSet = WorkingSet();
    if (!segments.empty()) EndSegment(segments.back(), now, workingSet);
    segments.push_back({std::move(name), now, now, workingSet, 0, {}});
}

std::vector<Segment> FinishSegments() {
    if (!segments.empty()) EndSegment(segments.back(), NowMs(), WorkingSet());
    return segments;
}

double Segment::CallMs() const {
    double ms = 0;
    for (const CallTotals& totals : calls) ms += totals.ms;
    return ms;
}

TimedCall::TimedCall(const char* function)
    : function_(function), start_(NowMs()), timed_(GetCurrentThreadId() == hookingThread) {
    if (!timed_) return;
    outer_ = innermost;
    innermost = this;
}

TimedCall::~TimedCall() {
    if (!timed_) return;
    // The caller of the timed function may read the error it left.
    const DWORD error = GetLastError();
    const double ms = NowMs() - start_;
    innermost = outer_;
    if (outer_ != nullptr) outer_->innerMs_ += ms;
    Count(function_, ms - innerMs_);
    SetLastError(error);
}

}  // namespace zubolo::bench
