#include "MeasuredProcess.h"

#include <chrono>

#include "BenchFailure.h"

namespace zubolo::bench {
namespace {

constexpr auto WindowDeadline = std::chrono::seconds(30);
constexpr DWORD ExitDeadlineMs = 10000;

std::wstring ErrorText(std::wstring_view call) {
    return std::wstring(call) + L" failed (error " + std::to_wstring(GetLastError()) + L")";
}

}  // namespace

MeasuredProcess::MeasuredProcess(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_)) {
        throw BenchFailure{ErrorText(L"starting " + program)};
    }
}

MeasuredProcess::~MeasuredProcess() {
    if (!HasExited()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, ExitDeadlineMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool MeasuredProcess::HasExited() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
}

PROCESS_MEMORY_COUNTERS_EX MeasuredProcess::Memory() const {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(info_.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters)) {
        throw BenchFailure{ErrorText(L"GetProcessMemoryInfo")};
    }
    return counters;
}

HWND MeasuredProcess::WaitForVisibleWindow(std::wstring_view windowClass) const {
    const auto deadline = std::chrono::steady_clock::now() + WindowDeadline;
    for (;;) {
        if (HWND window = FindTopLevel(windowClass, Id(), true)) return window;
        if (HasExited()) {
            DWORD code = 0;
            GetExitCodeProcess(info_.hProcess, &code);
            throw BenchFailure{L"the program ended (exit code " + std::to_wstring(code) +
                               L") without showing a window of class " + std::wstring(windowClass)};
        }
        if (std::chrono::steady_clock::now() > deadline) {
            throw BenchFailure{L"no visible window of class " + std::wstring(windowClass) +
                               L" within " + std::to_wstring(WindowDeadline.count()) + L" s"};
        }
        Sleep(1);
    }
}

void MeasuredProcess::Close(HWND window) const {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, ExitDeadlineMs) != WAIT_OBJECT_0) {
        throw BenchFailure{L"the program did not end within " +
                           std::to_wstring(ExitDeadlineMs / 1000) + L" s of WM_CLOSE"};
    }
}

HWND FindTopLevel(std::wstring_view windowClass, DWORD processId, bool visibleOnly) {
    const std::wstring className(windowClass);
    for (HWND window = FindWindowExW(nullptr, nullptr, className.c_str(), nullptr);
         window != nullptr; window = FindWindowExW(nullptr, window, className.c_str(), nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if ((processId == 0 || owner == processId) && (!visibleOnly || IsWindowVisible(window)))
            return window;
    }
    return nullptr;
}

}  // namespace zubolo::bench
