#include "platform/win32/RecycleBin.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/DeleteSourceList.h"
#include "platform/win32/Hwnd.h"
#include "platform/win32/WideText.h"

namespace zubolo {

#ifdef _WIN64
static_assert(sizeof(SHQUERYRBINFO) == 24, "the shell expects the 24-byte query record");
#endif

RecycleBinQuery Win32RecycleBin::Query(const std::optional<std::u16string>& rootPath) {
    const std::wstring root = rootPath ? ToWide(*rootPath) : std::wstring();
    SHQUERYRBINFO info{};
    info.cbSize = sizeof(info);
    const HRESULT result = SHQueryRecycleBinW(rootPath ? root.c_str() : nullptr, &info);

    RecycleBinQuery query;
    query.result = static_cast<std::int32_t>(result);
    query.ok = result == S_OK;
    if (query.ok) {
        query.itemCount = static_cast<std::uint64_t>(info.i64NumItems);
        query.totalSize = static_cast<std::uint64_t>(info.i64Size);
    }
    return query;
}

DeleteResult Win32RecycleBin::DeleteWithUndo(std::u16string_view path, WindowHandle owner) {
    const std::optional<std::u16string> sourceList = DeleteSourceList(path);
    if (!sourceList) return {ERROR_INVALID_NAME, false};
    const std::wstring source = ToWide(*sourceList);

    SHFILEOPSTRUCTW operation{};
    operation.hwnd = ToHwnd(owner);
    operation.wFunc = FO_DELETE;
    operation.pFrom = source.c_str();
    operation.pTo = nullptr;
    operation.fFlags = FOF_ALLOWUNDO;
    operation.fAnyOperationsAborted = FALSE;
    const int result = SHFileOperationW(&operation);
    return {result, operation.fAnyOperationsAborted != FALSE};
}

}  // namespace zubolo
