#include "platform/win32/ShellLinks.h"

#include <windows.h>
// The shell headers rely on the types that windows.h declares.
#include <objidl.h>
#include <shlobj.h>

#include <memory>

#include "platform/win32/ComPtr.h"
#include "platform/win32/WideText.h"

namespace zubolo {

static_assert(ResultOk == S_OK);
static_assert(ResultPathNotFound ==
              MAKE_HRESULT(SEVERITY_ERROR, FACILITY_WIN32, ERROR_PATH_NOT_FOUND));

namespace {

class Win32ShellLink final : public ShellLink {
  public:
    explicit Win32ShellLink(ComPtr<IShellLinkW> link) : link_(std::move(link)) {}

    std::int32_t SetPath(std::u16string_view path) override {
        return link_->SetPath(ToWide(path).c_str());
    }
    std::int32_t SetWorkingDirectory(std::u16string_view folder) override {
        return link_->SetWorkingDirectory(ToWide(folder).c_str());
    }
    std::int32_t SetDescription(std::u16string_view description) override {
        return link_->SetDescription(ToWide(description).c_str());
    }
    std::int32_t QueryPersistFile() override {
        return link_->QueryInterface(IID_IPersistFile, file_.Put());
    }
    std::int32_t Save(std::u16string_view linkPath) override {
        if (!file_) return E_NOINTERFACE;
        return file_->Save(ToWide(linkPath).c_str(), FALSE);
    }

  private:
    ComPtr<IShellLinkW> link_;
    ComPtr<IPersistFile> file_;
};

}  // namespace

ShellLinkCreation Win32ShellLinks::Create() {
    ComPtr<IUnknown> object;
    constexpr DWORD context = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER;
    static_assert(context == 0x5);
    HRESULT result =
        CoCreateInstance(CLSID_ShellLink, nullptr, context, IID_IUnknown, object.Put());
    if (FAILED(result) || !object) return {nullptr, FAILED(result) ? result : E_POINTER};
    ComPtr<IShellLinkW> link;
    result = object->QueryInterface(IID_IShellLinkW, link.Put());
    if (FAILED(result) || !link) return {nullptr, FAILED(result) ? result : E_NOINTERFACE};
    return {std::make_unique<Win32ShellLink>(std::move(link)), S_OK};
}

}  // namespace zubolo
