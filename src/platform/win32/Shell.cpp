#include "platform/win32/Shell.h"

#include <windows.h>
// The shell headers rely on the types that windows.h declares.
#include <shellapi.h>
#include <shlobj.h>

#include <array>
#include <cwchar>

#include "platform/win32/Hwnd.h"
#include "platform/win32/OwnedHandles.h"
#include "platform/win32/WideText.h"

namespace zubolo {

static_assert(Csidl::Desktop == CSIDL_DESKTOP && Csidl::Programs == CSIDL_PROGRAMS &&
              Csidl::Startup == CSIDL_STARTUP && Csidl::SendTo == CSIDL_SENDTO &&
              Csidl::Drives == CSIDL_DRIVES && Csidl::Profile == CSIDL_PROFILE);

std::uint32_t Win32Shell::ExecuteOpen(std::u16string_view file,
                                      std::optional<std::u16string_view> parameters) {
    const std::wstring wideFile = ToWide(file);
    const std::wstring wideParameters = parameters ? ToWide(*parameters) : std::wstring();
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", wideFile.c_str(),
                      parameters ? wideParameters.c_str() : nullptr, nullptr, SW_SHOWNORMAL);
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(result));
}

bool Win32Shell::ExecuteProperties(std::u16string_view path) {
    const std::wstring widePath = ToWide(path);
    SHELLEXECUTEINFOW info{};
    static_assert(sizeof(info) == 112);
    info.cbSize = sizeof(info);
    constexpr ULONG mask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    static_assert(mask == 0x44C);
    info.fMask = mask;
    info.hwnd = nullptr;
    info.lpVerb = L"properties";
    info.lpFile = widePath.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool requested = ShellExecuteExW(&info) != FALSE;
    // The process handle that the shell may hand back is not needed; close it so it does not leak.
    const UniqueHandle process(info.hProcess);
    return requested;
}

bool Win32Shell::ObjectProperties(std::u16string_view path) {
    return SHObjectProperties(nullptr, SHOP_FILEPATH, ToWide(path).c_str(), nullptr) != FALSE;
}

std::u16string Win32Shell::SpecialFolderPath(WindowHandle owner, std::int32_t csidl) {
    ITEMIDLIST* rawPidl = nullptr;
    const HRESULT located = SHGetSpecialFolderLocation(ToHwnd(owner), csidl, &rawPidl);
    const UniquePidl pidl(rawPidl);
    // A folder that cannot be located or has no file-system path gives an empty path.
    std::array<wchar_t, MAX_PATH + 1> buffer{};
    if (FAILED(located) || !pidl || !SHGetPathFromIDListW(pidl.get(), buffer.data())) return {};
    return FromWide({buffer.data(), wcsnlen(buffer.data(), buffer.size())});
}

std::u16string Win32Shell::SystemMessageText(std::uint32_t code) {
    wchar_t* rawText = nullptr;
    constexpr DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                            FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ARGUMENT_ARRAY;
    static_assert(flags == 0x3300);
    const DWORD length =
        FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&rawText), 0, nullptr);
    const UniqueLocalText text(rawText);
    if (length == 0 || !text) return {};
    return FromWide({text.get(), length});
}

}  // namespace zubolo
