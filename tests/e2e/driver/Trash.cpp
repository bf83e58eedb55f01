#include "Trash.h"

#include <shellapi.h>

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

}  // namespace zubolo::e2e
