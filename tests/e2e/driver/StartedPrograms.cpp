#include "StartedPrograms.h"

#include <tlhelp32.h>

#include <map>
#include <optional>

#include "Polling.h"
#include "WindowQueries.h"

namespace zubolo::e2e {

namespace {

// Program file name of every running process, by process id.
std::map<DWORD, std::wstring> RunningPrograms() {
    std::map<DWORD, std::wstring> programs;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) Fail(L"a snapshot of the running processes");
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        programs[entry.th32ProcessID] = entry.szExeFile;
    }
    CloseHandle(snapshot);
    return programs;
}

bool SameFileName(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

StartedPrograms::StartedPrograms() {
    for (const auto& [processId, program] : RunningPrograms()) before_.insert(processId);
}

std::vector<StartedPrograms::Seen> StartedPrograms::NewWindows() const {
    const auto programs = RunningPrograms();
    std::vector<Seen> seen;
    for (HWND window : TopLevelWindows()) {
        const DWORD processId = ProcessOf(window);
        if (before_.contains(processId) || !IsWindowVisible(window)) continue;
        const auto program = programs.find(processId);
        seen.push_back({{window, processId, WindowText(window)},
                        program != programs.end() ? program->second : std::wstring(),
                        ClassNameOf(window)});
    }
    return seen;
}

OpenedWindow StartedPrograms::WaitForWindow(std::wstring_view programName,
                                            std::wstring_view windowClass) const {
    const auto probe = [&]() -> std::optional<OpenedWindow> {
        for (const Seen& seen : NewWindows()) {
            if (seen.windowClass == windowClass && SameFileName(seen.program, programName)) {
                return seen.opened;
            }
        }
        return std::nullopt;
    };
    if (const auto opened = PollUntil(probe)) return *opened;
    std::wstring report;
    for (const Seen& seen : NewWindows()) {
        report +=
            L" " + seen.program + L":" + seen.windowClass + L":" + Quoted(seen.opened.caption);
    }
    Fail(L"timed out after " + std::to_wstring(Deadline.count() / 1000) +
         L" s waiting for a visible window of class " + Quoted(windowClass) +
         L" of a newly started " + std::wstring(programName) +
         L"; new visible windows (program:class:caption):" + (report.empty() ? L" none" : report));
}

void CloseOpenedWindow(const OpenedWindow& opened) {
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, opened.processId);
    if (process == nullptr) return;  // already gone
    PostMessageW(opened.window, WM_CLOSE, 0, 0);
    const bool ended = PollUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; });
    if (!ended) TerminateProcess(process, 1);
    CloseHandle(process);
    Expect(ended, L"the program of the window " + Quoted(opened.caption) +
                      L" to end when the window is closed");
}

}  // namespace zubolo::e2e
