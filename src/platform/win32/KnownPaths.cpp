#include "platform/win32/KnownPaths.h"

#include <windows.h>
// The shell headers rely on the types that windows.h declares.
#include <shlobj.h>

#include <string>

#include "platform/win32/WideText.h"

namespace zubolo {

namespace {

// Longer than any path Windows allows (32,767 characters), so the name always fits.
constexpr std::size_t LongestPathBuffer = 1 << 16;

}  // namespace

std::u16string Win32KnownPaths::RoamingAppDataFolder() const {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return {};
    }
    return FromWide(folder);
}

std::u16string Win32KnownPaths::ProgramFilePath() const {
    // GetModuleFileNameW fills the whole buffer when the name does not fit; then try a larger one.
    for (std::size_t size = MAX_PATH; size <= LongestPathBuffer; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(size));
        if (length == 0) return {};
        if (length < size) {
            path.resize(length);
            return FromWide(path);
        }
    }
    return {};
}

std::u16string Win32KnownPaths::TemporaryFolder() const {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetTempPathW(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH) return {};
    // The long form of a folder that does not exist cannot be had; its name as the system gave
    // it is the best there is.
    const DWORD longSize = GetLongPathNameW(folder, nullptr, 0);
    if (longSize == 0) return FromWide({folder, length});
    std::wstring longForm(longSize, L'\0');
    const DWORD longLength = GetLongPathNameW(folder, longForm.data(), longSize);
    if (longLength == 0 || longLength >= longSize) return FromWide({folder, length});
    longForm.resize(longLength);
    return FromWide(longForm);
}

}  // namespace zubolo
