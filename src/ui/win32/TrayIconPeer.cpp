#include "ui/win32/TrayIconPeer.h"

#include <shellapi.h>

#include "platform/win32/WideText.h"

namespace zubolo {

TrayIconPeer::TrayIconPeer(TrayIcon& model, HWND owner, HICON icon)
    : model_(model),
      owner_(owner),
      icon_(icon),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    model_.AttachPeer(this);
    StateChanged();
}

TrayIconPeer::~TrayIconPeer() {
    model_.AttachPeer(nullptr);
    if (added_) {
        NOTIFYICONDATAW data = Data();
        Shell_NotifyIconW(NIM_DELETE, &data);
    }
}

NOTIFYICONDATAW TrayIconPeer::Data() const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    data.uCallbackMessage = CallbackMessage;
    data.hIcon = icon_;
    ToWide(model_.Hint()).copy(data.szTip, std::size(data.szTip) - 1);
    return data;
}

void TrayIconPeer::StateChanged() {
    NOTIFYICONDATAW data = Data();
    if (model_.Visible()) {
        added_ = Shell_NotifyIconW(added_ ? NIM_MODIFY : NIM_ADD, &data) != FALSE || added_;
    } else if (added_) {
        Shell_NotifyIconW(NIM_DELETE, &data);
        added_ = false;
    }
}

bool TrayIconPeer::HandleMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == taskbarCreated_) {
        added_ = false;
        StateChanged();
        return true;
    }
    if (message != CallbackMessage) return false;
    if (LOWORD(lParam) == WM_LBUTTONUP) Fire(model_.OnClick);
    if (LOWORD(lParam) == WM_RBUTTONUP && OnContextMenu) {
        POINT at{};
        GetCursorPos(&at);
        OnContextMenu(at);
    }
    return true;
}

}  // namespace zubolo
