#include "ProcessCommandLine.h"

// (after windows.h)
#include <winternl.h>

#include <memory>

#include "Report.h"

namespace zubolo::e2e {

namespace {

template <class Value>
Value ReadFrom(HANDLE process, const void* address) {
    Value value{};
    SIZE_T read = 0;
    Expect(ReadProcessMemory(process, address, &value, sizeof value, &read) && read == sizeof value,
           L"the memory of another process");
    return value;
}

}  // namespace

std::wstring CommandLineOf(DWORD processId) {
    const std::unique_ptr<void, decltype(&CloseHandle)> process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId), &CloseHandle);
    Expect(process != nullptr, L"access to process " + std::to_wstring(processId));
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    Expect(NT_SUCCESS(NtQueryInformationProcess(process.get(), ProcessBasicInformation, &basic,
                                                sizeof basic, &length)),
           L"the process information of process " + std::to_wstring(processId));
    const auto peb = ReadFrom<PEB>(process.get(), basic.PebBaseAddress);
    const auto parameters =
        ReadFrom<RTL_USER_PROCESS_PARAMETERS>(process.get(), peb.ProcessParameters);
    std::wstring commandLine(parameters.CommandLine.Length / sizeof(wchar_t), L'\0');
    SIZE_T read = 0;
    Expect(ReadProcessMemory(process.get(), parameters.CommandLine.Buffer, commandLine.data(),
                             parameters.CommandLine.Length, &read) != FALSE,
           L"the command line of process " + std::to_wstring(processId));
    commandLine.resize(read / sizeof(wchar_t));
    return commandLine;
}

}  // namespace zubolo::e2e
