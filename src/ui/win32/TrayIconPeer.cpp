#include "ui/win32/TrayIconPeer.h"

#include <windowsx.h>
// (the shell header needs <windows.h> first)
#include <shellapi.h>

#include "platform/win32/Hwnd.h"

namespace zubolo {

TrayIconPeer::TrayIconPeer(TrayIcon& model, HWND owner, HICON icon)
    : model_(model),
      registration_(model, area_, FromHwnd(owner), FromHicon(icon)),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

void TrayIconPeer::ContextMenuAt(POINT at) const {
    if (OnContextMenu) OnContextMenu(at);
}

bool TrayIconPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_) {
        registration_.TaskbarCreated();
        return true;
    }
    if (message != Win32NotificationArea::CallbackMessage) return false;
    const UINT event = LOWORD(lParam);
    if (area_.Version4()) {
        if (event == NIN_SELECT || event == NIN_KEYSELECT) Fire(model_.OnClick);
        if (event == WM_CONTEXTMENU) ContextMenuAt({GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
        return true;
    }
    // A shell without version 4 sends the plain mouse messages.
    if (event == WM_LBUTTONUP) Fire(model_.OnClick);
    if (event == WM_RBUTTONUP) {
        POINT at{};
        GetCursorPos(&at);
        ContextMenuAt(at);
    }
    return true;
}

}  // namespace zubolo
