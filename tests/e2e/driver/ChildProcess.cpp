#include "ChildProcess.h"

#include <tlhelp32.h>

#include "Polling.h"

namespace zubolo::e2e {

ChildProcess::ChildProcess(const std::wstring& path, std::optional<WORD> showCommand,
                           const std::wstring& arguments) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (showCommand) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = *showCommand;
    }
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_)) {
        Fail(L"cannot start " + Quoted(path) + L" (error " + std::to_wstring(GetLastError()) +
             L")");
    }
}

ChildProcess::~ChildProcess() {
    if (!HasExited()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool ChildProcess::HasExited() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
}

DWORD ChildProcess::WaitForExitCode(std::chrono::milliseconds limit) {
    WaitFor(
        L"process " + std::to_wstring(Id()) + L" to end", [&] { return HasExited(); }, limit);
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::wstring PathBesideDriver(std::wstring_view fileName) {
    wchar_t driver[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, driver, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) Fail(L"the driver's own path");
    std::wstring path(driver, length);
    path.replace(path.find_last_of(L'\\') + 1, std::wstring::npos, fileName);
    return path;
}

int EndProcessesNamed(std::wstring_view fileName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    int ended = 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (CompareStringOrdinal(entry.szExeFile, -1, fileName.data(),
                                 static_cast<int>(fileName.size()), TRUE) != CSTR_EQUAL) {
            continue;
        }
        if (HANDLE process =
                OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
            ++ended;
        }
    }
    CloseHandle(snapshot);
    return ended;
}

}  // namespace zubolo::e2e
