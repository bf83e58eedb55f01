#include "ShellFolders.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "ComObjects.h"
#include "Report.h"

namespace zubolo::e2e {

std::wstring SpecialFolderPath(int csidl) {
    wchar_t path[MAX_PATH] = {};
    Expect(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK,
           L"the path of special folder " + std::to_wstring(csidl));
    return path;
}

std::wstring DisplayNameOfPath(const std::wstring& path) {
    SHFILEINFOW info{};
    Expect(SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME) != 0,
           L"the display name of " + Quoted(path));
    return info.szDisplayName;
}

std::vector<std::wstring> RecycleBinItemNames() {
    const ComApartment apartment;
    IShellFolder* rawDesktop = nullptr;
    Expect(SHGetDesktopFolder(&rawDesktop) == S_OK, L"the shell's desktop folder");
    const ComRef<IShellFolder> desktop(rawDesktop);
    PIDLIST_ABSOLUTE binItem = nullptr;
    Expect(SHGetSpecialFolderLocation(nullptr, CSIDL_BITBUCKET, &binItem) == S_OK,
           L"the item list of the Recycle Bin");
    void* rawBin = nullptr;
    const HRESULT bound = desktop->BindToObject(binItem, nullptr, IID_IShellFolder, &rawBin);
    CoTaskMemFree(binItem);
    Expect(bound == S_OK, L"the Recycle Bin's shell folder");
    const ComRef<IShellFolder> bin(static_cast<IShellFolder*>(rawBin));
    IEnumIDList* rawItems = nullptr;
    Expect(bin->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &rawItems) == S_OK,
           L"the list of the Recycle Bin's items");
    const ComRef<IEnumIDList> items(rawItems);
    std::vector<std::wstring> names;
    PITEMID_CHILD item = nullptr;
    while (items->Next(1, &item, nullptr) == S_OK) {
        STRRET name{};
        wchar_t* text = nullptr;
        if (bin->GetDisplayNameOf(item, SHGDN_NORMAL, &name) == S_OK &&
            StrRetToStrW(&name, item, &text) == S_OK) {
            names.emplace_back(text);
            CoTaskMemFree(text);
        }
        CoTaskMemFree(item);
    }
    return names;
}

}  // namespace zubolo::e2e
