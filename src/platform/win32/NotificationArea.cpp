#include "platform/win32/NotificationArea.h"

// (the shell header needs <windows.h> first)
#include <shellapi.h>

#include <iterator>

#include "platform/win32/Hwnd.h"
#include "platform/win32/WideText.h"

namespace zubolo {
namespace {

// The program has one icon; the shell tells icons of one window apart by this number.
constexpr UINT IconId = 1;

NOTIFYICONDATAW NativeData(const NotifyIconData& icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = ToHwnd(icon.owner);
    data.uID = IconId;
    // NIF_SHOWTIP: with version 4 the shell shows the standard tip only when asked to.
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    data.uCallbackMessage = Win32NotificationArea::CallbackMessage;
    data.hIcon = ToHicon(icon.icon);
    // The tip is cut to what the structure holds, its terminating zero kept.
    ToWide(icon.tip).copy(data.szTip, std::size(data.szTip) - 1);
    return data;
}

}  // namespace

bool Win32NotificationArea::Add(const NotifyIconData& icon) {
    NOTIFYICONDATAW data = NativeData(icon);
    if (!Shell_NotifyIconW(NIM_ADD, &data)) return false;
    data.uVersion = NOTIFYICON_VERSION_4;
    version4_ = Shell_NotifyIconW(NIM_SETVERSION, &data) != FALSE;
    return true;
}

bool Win32NotificationArea::Modify(const NotifyIconData& icon) {
    NOTIFYICONDATAW data = NativeData(icon);
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void Win32NotificationArea::Delete(const NotifyIconData& icon) {
    NOTIFYICONDATAW data = NativeData(icon);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

}  // namespace zubolo
