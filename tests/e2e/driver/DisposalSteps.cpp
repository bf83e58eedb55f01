#include "DisposalSteps.h"

#include "MessageBoxes.h"
#include "Polling.h"
#include "Report.h"
#include "WindowQueries.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr wchar_t LongPathPrefix[] = L"\\\\?\\";

std::wstring Unlimited(const std::wstring& path) {
    return LongPathPrefix + path;
}

// Removes a folder and everything in it; paths of any length.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Unlimited(folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(path);
            } else {
                DeleteFileW(Unlimited(path).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(Unlimited(folder).c_str());
}

std::wstring FileNameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L'\\') + 1);
}

// Wine's trash folder for files: $XDG_DATA_HOME/Trash/files, seen through drive Z:.
std::wstring TrashFilesFolder() {
    wchar_t dataHome[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"XDG_DATA_HOME", dataHome, MAX_PATH);
    Expect(length > 0 && length < MAX_PATH, L"the environment variable XDG_DATA_HOME");
    std::wstring folder = L"Z:" + std::wstring(dataHome, length) + L"/Trash/files";
    for (wchar_t& c : folder) c = c == L'/' ? L'\\' : c;
    return folder;
}

bool IsOwnBox(HWND box) {
    return WindowText(box) == AppDisplayName;
}

}  // namespace

CaseFolder::CaseFolder(std::wstring_view name) {
    wchar_t temp[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    Expect(length > 0 && length < MAX_PATH, L"the temp folder's path");
    path_ = std::wstring(temp, length) + std::wstring(name);
    RemoveTree(path_);
    Expect(CreateDirectoryW(path_.c_str(), nullptr) != FALSE, L"to create " + Quoted(path_));
}

std::wstring CaseFolder::MakeFile(std::wstring_view relativePath) const {
    const std::wstring path = path_ + L"\\" + std::wstring(relativePath);
    for (std::size_t slash = path_.size() + 1;
         (slash = path.find(L'\\', slash)) != std::wstring::npos; ++slash) {
        CreateDirectoryW(Unlimited(path.substr(0, slash)).c_str(), nullptr);
    }
    HANDLE file = CreateFileW(Unlimited(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Expect(file != INVALID_HANDLE_VALUE, L"to create " + Quoted(path));
    constexpr char Content[] = "zubolo";
    DWORD written = 0;
    WriteFile(file, Content, sizeof Content - 1, &written, nullptr);
    CloseHandle(file);
    return path;
}

bool ExistsInPlace(const std::wstring& path) {
    return GetFileAttributesW(Unlimited(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool InTrash(const std::wstring& path) {
    const std::wstring trashed = TrashFilesFolder() + L"\\" + FileNameOf(path);
    return GetFileAttributesW(trashed.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ExpectSent(const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) {
        Expect(!ExistsInPlace(path) && InTrash(path),
               Quoted(path) + L" to have gone from its folder into the trash");
    }
}

void ExpectKept(const std::vector<std::wstring>& paths) {
    for (const std::wstring& path : paths) {
        Expect(ExistsInPlace(path) && !InTrash(path),
               Quoted(path) + L" to be still in its folder and not in the trash");
    }
}

std::wstring ListText(const std::vector<std::wstring>& paths) {
    std::wstring text;
    for (const std::wstring& path : paths) text += path + L"\r\n";
    return text;
}

HWND AnswerShellUntilOwnBox(DWORD processId, const std::function<int(int)>& confirm,
                            int& shellBoxes) {
    for (;;) {
        HWND box = WaitForMessageBox(processId);
        if (IsOwnBox(box)) return box;
        const bool confirmation = GetDlgItem(box, IDYES) != nullptr;
        CloseBox(box, confirmation ? confirm(shellBoxes) : IDOK);
        ++shellBoxes;
    }
}

HWND WaitForOwnBox(DWORD processId) {
    int shellBoxes = 0;
    HWND box = AnswerShellUntilOwnBox(
        processId, [](int) -> int { Fail(L"no box of the shell, but it asks to confirm"); },
        shellBoxes);
    if (shellBoxes != 0) Fail(L"no box of the shell, but it showed one");
    return box;
}

void CloseBox(HWND box, int buttonId) {
    PressMessageBoxButton(box, buttonId);
    WaitFor(L"the message box " + Quoted(WindowText(box)) + L" to close",
            [&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

}  // namespace zubolo::e2e
