#include "LinuxProcessClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchFailure.h"

namespace zubolo::bench {
namespace {

constexpr wchar_t ProcFolder[] = L"Z:\\proc\\";

// The whole of a /proc file; empty when it cannot be read (its process has ended).
std::string ReadProcFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    return content;
}

// The names of the entries of a /proc folder that are numbers: process or thread ids.
std::vector<std::wstring> NumberedEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = entry.cFileName;
        if (name.find_first_not_of(L"0123456789") == std::wstring::npos) names.push_back(name);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return names;
}

std::string Utf8(std::wstring_view text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Windows paths compare without regard to ASCII case.
bool SamePath(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

}  // namespace

LinuxProcessClock::LinuxProcessClock(std::wstring_view programPath) {
    const std::string wanted = Utf8(programPath);
    std::vector<std::wstring> matches;
    for (const std::wstring& pid : NumberedEntries(ProcFolder)) {
        const std::string commandLine = ReadProcFile(ProcFolder + pid + L"\\cmdline");
        // The arguments are separated by NULs; the first is the program.
        if (SamePath(commandLine.c_str(), wanted)) matches.push_back(pid);
    }
    if (matches.size() != 1) {
        throw BenchFailure{L"found " + std::to_wstring(matches.size()) +
                           L" Linux processes running " + std::wstring(programPath) + L" in " +
                           ProcFolder + L" (expected one; is this Wine?)"};
    }
    procFolder_ = ProcFolder + matches.front() + L"\\";
}

double LinuxProcessClock::CpuMs() const {
    const std::wstring tasks = procFolder_ + L"task\\";
    const std::vector<std::wstring> threads = NumberedEntries(tasks);
    if (threads.empty()) throw BenchFailure{L"the Linux process " + procFolder_ + L" has ended"};
    double nanoseconds = 0;
    // schedstat: run time in ns, wait time in ns, time slices.
    for (const std::wstring& tid : threads)
        nanoseconds += std::strtod(ReadProcFile(tasks + tid + L"\\schedstat").c_str(), nullptr);
    return nanoseconds / 1e6;
}

}  // namespace zubolo::bench
