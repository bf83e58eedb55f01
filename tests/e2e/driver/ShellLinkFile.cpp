#include "ShellLinkFile.h"

#include <shlobj.h>

#include "ComObjects.h"
#include "Report.h"

namespace zubolo::e2e {

namespace {

ComRef<IShellLinkW> NewLink() {
    void* link = nullptr;
    Expect(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                            &link) == S_OK,
           L"a shell link object");
    return ComRef<IShellLinkW>(static_cast<IShellLinkW*>(link));
}

ComRef<IPersistFile> FileOf(IShellLinkW* link) {
    ComRef<IPersistFile> file = Query<IPersistFile>(link, IID_IPersistFile);
    Expect(file != nullptr, L"the shell link object to offer IPersistFile");
    return file;
}

}  // namespace

ShortcutContent ReadShortcut(const std::wstring& path) {
    const ComApartment apartment;
    const ComRef<IShellLinkW> link = NewLink();
    Expect(FileOf(link.get())->Load(path.c_str(), STGM_READ) == S_OK,
           L"to load the shortcut " + Quoted(path));
    constexpr int Size = 1024;
    wchar_t text[Size] = {};
    ShortcutContent content;
    link->GetPath(text, Size, nullptr, SLGP_RAWPATH);
    content.target = text;
    link->GetArguments(text, Size);
    content.arguments = text;
    link->GetWorkingDirectory(text, Size);
    content.workingFolder = text;
    link->GetDescription(text, Size);
    content.description = text;
    return content;
}

HRESULT WriteShortcut(const std::wstring& path, const ShortcutContent& content) {
    const ComApartment apartment;
    const ComRef<IShellLinkW> link = NewLink();
    link->SetPath(content.target.c_str());
    link->SetArguments(content.arguments.c_str());
    link->SetWorkingDirectory(content.workingFolder.c_str());
    link->SetDescription(content.description.c_str());
    return FileOf(link.get())->Save(path.c_str(), FALSE);
}

}  // namespace zubolo::e2e
