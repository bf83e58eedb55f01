#include "RemoteBuffer.h"

#include "Report.h"

namespace zubolo::e2e {

RemoteBuffer::RemoteBuffer(HWND window, std::size_t size) : size_(size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_ == nullptr) {
        Fail(L"cannot open process " + std::to_wstring(processId) + L" (error " +
             std::to_wstring(GetLastError()) + L")");
    }
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (address_ == nullptr) {
        CloseHandle(process_);
        Fail(L"cannot allocate memory in process " + std::to_wstring(processId));
    }
}

RemoteBuffer::~RemoteBuffer() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

LPARAM RemoteBuffer::Address(std::size_t offset) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
}

void RemoteBuffer::Write(std::size_t offset, const void* data, std::size_t size) {
    if (offset + size > size_ ||
        !WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr)) {
        Fail(L"cannot write into the other process's memory");
    }
}

void RemoteBuffer::Read(std::size_t offset, void* data, std::size_t size) const {
    if (offset + size > size_ ||
        !ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr)) {
        Fail(L"cannot read the other process's memory");
    }
}

std::wstring RemoteBuffer::ReadText(std::size_t offset, std::size_t maxChars) const {
    std::wstring text(maxChars, L'\0');
    Read(offset, text.data(), maxChars * sizeof(wchar_t));
    text.resize(text.find(L'\0') == std::wstring::npos ? maxChars : text.find(L'\0'));
    return text;
}

}  // namespace zubolo::e2e
