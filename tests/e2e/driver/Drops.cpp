#include "Drops.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include "Report.h"

namespace zubolo::e2e {

namespace {

// DROPFILES, then every name with its NUL, then the NUL that ends the list.
std::vector<BYTE> DropBlock(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    names += L'\0';
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::vector<BYTE> block(sizeof header + names.size() * sizeof(wchar_t));
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));
    return block;
}

}  // namespace

PostedDrop::PostedDrop(HWND target, const std::vector<std::wstring>& paths)
    : PostedDrop(target, DropBlock(paths)) {}

PostedDrop::PostedDrop(HWND target, const std::vector<BYTE>& block) : block_(target, block.size()) {
    block_.Write(0, block.data(), block.size());
    if (!PostMessageW(target, WM_DROPFILES, static_cast<WPARAM>(block_.Address()), 0)) {
        Fail(L"cannot post WM_DROPFILES (error " + std::to_wstring(GetLastError()) + L")");
    }
}

}  // namespace zubolo::e2e
