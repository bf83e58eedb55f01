#include "Trash.h"

#include <shellapi.h>

#include <string>

#include "Report.h"

namespace zubolo::e2e {

std::vector<std::wstring> MakeFiles(const std::wstring& folderName,
                                    const std::vector<unsigned long long>& sizes) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + folderName;
    CreateDirectoryW(folder.c_str(), nullptr);
    std::vector<std::wstring> paths;
    for (unsigned long long size : sizes) {
        const std::wstring path = folder + L"\\file-" + std::to_wstring(size) + L".bin";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        Expect(file != INVALID_HANDLE_VALUE, L"to create " + Quoted(path));
        LARGE_INTEGER end{};
        end.QuadPart = static_cast<LONGLONG>(size);
        const BOOL sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
        CloseHandle(file);
        Expect(sized, L"to make " + Quoted(path) + L" " + std::to_wstring(size) + L" bytes long");
        paths.push_back(path);
    }
    return paths;
}

void MoveToRecycleBin(const std::vector<std::wstring>& paths) {
    std::wstring from;
    for (const std::wstring& path : paths) from += path + L'\0';
    from += L'\0';
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION;
    const int result = SHFileOperationW(&operation);
    ExpectNumber(L"result of moving the files to the Recycle Bin", 0, result);
    Expect(!operation.fAnyOperationsAborted, L"the move to the Recycle Bin not to be aborted");
    for (const std::wstring& path : paths) {
        Expect(GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES,
               Quoted(path) + L" to be gone from its folder");
    }
}

void EmptyRecycleBin() {
    const HRESULT result = SHEmptyRecycleBinW(
        nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    ExpectNumber(L"result of emptying the Recycle Bin", S_OK, result);
}

namespace {

// The Windows path of the trash folders: Wine shows the Linux file system as drive Z:.
std::wstring TrashFolder() {
    wchar_t dataHome[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"XDG_DATA_HOME", dataHome, MAX_PATH);
    Expect(length > 0 && length < MAX_PATH, L"XDG_DATA_HOME to name the trash's parent folder");
    std::wstring folder = L"Z:" + std::wstring(dataHome) + L"/Trash";
    for (wchar_t& character : folder) {
        if (character == L'/') character = L'\\';
    }
    return folder;
}

void WriteFile(const std::wstring& path, const std::string& content) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Expect(file != INVALID_HANDLE_VALUE, L"to create " + Quoted(path));
    DWORD written = 0;
    const BOOL wrote =
        ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    Expect(wrote && written == content.size(), L"to write " + Quoted(path));
}

}  // namespace

FilledTrash::FilledTrash(int count, int itemSize)
    : files_(TrashFolder() + L"\\files"), info_(TrashFolder() + L"\\info"), count_(count) {
    CreateDirectoryW(files_.c_str(), nullptr);
    CreateDirectoryW(info_.c_str(), nullptr);
    const std::string item(static_cast<std::size_t>(itemSize), ' ');
    for (int i = 0; i < count_; ++i) {
        const std::wstring name = L"zubolo-item-" + std::to_wstring(i);
        WriteFile(files_ + L"\\" + name, item);
        WriteFile(info_ + L"\\" + name + L".trashinfo", "[Trash Info]\nPath=/tmp/zubolo-item-" +
                                                            std::to_string(i) +
                                                            "\nDeletionDate=2025-01-01T00:00:00\n");
    }
}

FilledTrash::~FilledTrash() {
    for (int i = 0; i < count_; ++i) {
        const std::wstring name = L"zubolo-item-" + std::to_wstring(i);
        DeleteFileW((files_ + L"\\" + name).c_str());
        DeleteFileW((info_ + L"\\" + name + L".trashinfo").c_str());
    }
}

}  // namespace zubolo::e2e
