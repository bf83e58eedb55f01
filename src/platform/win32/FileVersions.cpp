#include "platform/win32/FileVersions.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/OwnedHandles.h"
#include "platform/win32/WideText.h"

namespace zubolo {
namespace {

using GetSizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
using GetInfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
using QueryValueFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

struct VersionFunctions {
    GetSizeFunction getSize = nullptr;
    GetInfoFunction getInfo = nullptr;
    QueryValueFunction queryValue = nullptr;
};

template <class Function>
Function Entry(HMODULE module, const char* name) {
    // Through void(*)(): the exported functions are not of FARPROC's type.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Loaded at the first use and kept for the rest of the run; null functions where the module or
// one of them is missing.
const VersionFunctions& Functions() {
    static const UniqueModule module(
        LoadLibraryExW(L"version.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    static const VersionFunctions functions = [] {
        if (!module) return VersionFunctions{};
        return VersionFunctions{Entry<GetSizeFunction>(module.get(), "GetFileVersionInfoSizeW"),
                                Entry<GetInfoFunction>(module.get(), "GetFileVersionInfoW"),
                                Entry<QueryValueFunction>(module.get(), "VerQueryValueW")};
    }();
    return functions;
}

}  // namespace

std::optional<FixedFileVersion> Win32FileVersions::FixedVersionOf(std::u16string_view path) const {
    const VersionFunctions& version = Functions();
    if (!version.getSize || !version.getInfo || !version.queryValue) return std::nullopt;
    const std::wstring widePath = ToWide(path);
    DWORD ignored = 0;
    const DWORD size = version.getSize(widePath.c_str(), &ignored);
    if (size == 0) return std::nullopt;
    std::vector<unsigned char> block(size);
    if (!version.getInfo(widePath.c_str(), 0, size, block.data())) return std::nullopt;
    void* value = nullptr;
    UINT length = 0;
    if (!version.queryValue(block.data(), L"\\", &value, &length) || value == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    return FixedFileVersion{fixed->dwFileVersionMS, fixed->dwFileVersionLS};
}

}  // namespace zubolo
