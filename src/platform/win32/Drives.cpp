#include "platform/win32/Drives.h"

#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/win32/Hwnd.h"
#include "platform/win32/WideText.h"

namespace zubolo {

namespace {

#ifdef _WIN64
static_assert(sizeof(SHFILEINFOW) == 696, "the shell expects the 696-byte file information record");
#endif

// While it lives, a drive without a medium (an empty card reader, a disc drive) fails the call
// at once instead of asking the user to insert one in a system box: the table is refreshed
// while the bin changes, and such a box would hold the window each time.
class NoCriticalErrorBoxes {
  public:
    NoCriticalErrorBoxes() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
    ~NoCriticalErrorBoxes() { SetThreadErrorMode(previous_, nullptr); }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

  private:
    DWORD previous_ = 0;
};

}  // namespace

std::vector<std::u16string> Win32Drives::LogicalDriveStrings() {
    std::wstring buffer;
    // A drive may come between the size query and the list; then the list is asked for again.
    for (DWORD size = GetLogicalDriveStringsW(0, nullptr); size != 0;) {
        buffer.assign(size, L'\0');
        const DWORD length = GetLogicalDriveStringsW(size, buffer.data());
        if (length < size) {
            buffer.resize(length);
            break;
        }
        size = length + 1;
    }
    std::vector<std::u16string> roots;
    for (std::size_t start = 0; start < buffer.size();) {
        const std::size_t end = buffer.find(L'\0', start);
        const std::size_t stop = end == std::wstring::npos ? buffer.size() : end;
        if (stop == start) break;  // the empty string that ends the list
        roots.push_back(FromWide(std::wstring_view(buffer).substr(start, stop - start)));
        start = stop + 1;
    }
    return roots;
}

DiskSpace Win32Drives::Space(std::u16string_view root) {
    const std::wstring path = ToWide(root);
    ULARGE_INTEGER freeForCaller{};
    ULARGE_INTEGER total{};
    const NoCriticalErrorBoxes quiet;
    if (!GetDiskFreeSpaceExW(path.c_str(), &freeForCaller, &total, nullptr)) return {};
    return {static_cast<std::int64_t>(total.QuadPart),
            static_cast<std::int64_t>(freeForCaller.QuadPart)};
}

IconHandle Win32Drives::SmallShellIcon(std::u16string_view root) {
    const std::wstring path = ToWide(root);
    SHFILEINFOW info{};
    const NoCriticalErrorBoxes quiet;
    if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) == 0) {
        return IconHandle{};
    }
    return FromHicon(info.hIcon);
}

void Win32Drives::DestroyIcon(IconHandle icon) {
    ::DestroyIcon(ToHicon(icon));
}

}  // namespace zubolo
