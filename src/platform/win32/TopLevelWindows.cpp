#include "platform/win32/TopLevelWindows.h"

#include <windows.h>

#include "platform/win32/Hwnd.h"
#include "platform/win32/WideText.h"

namespace zubolo {
namespace {

static_assert(ShowCommandShow == SW_SHOW && ShowCommandRestore == SW_RESTORE);

BOOL CALLBACK VisitWindow(HWND window, LPARAM visitor) noexcept {
    try {
        const auto& visit = *reinterpret_cast<const std::function<bool(WindowHandle)>*>(visitor);
        return visit(FromHwnd(window)) ? TRUE : FALSE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

bool Win32TopLevelWindows::Enumerate(const std::function<bool(WindowHandle)>& visit) {
    // Wine may list nothing until the desktop window has been asked for once.
    GetDesktopWindow();
    return EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit)) != FALSE;
}

std::intptr_t Win32TopLevelWindows::GetProperty(WindowHandle window, std::u16string_view name) {
    return reinterpret_cast<std::intptr_t>(GetPropW(ToHwnd(window), ToWide(name).c_str()));
}

void Win32TopLevelWindows::SetProperty(WindowHandle window, std::u16string_view name,
                                       std::intptr_t value) {
    SetPropW(ToHwnd(window), ToWide(name).c_str(), reinterpret_cast<HANDLE>(value));
}

void Win32TopLevelWindows::RemoveProperty(WindowHandle window, std::u16string_view name) {
    RemovePropW(ToHwnd(window), ToWide(name).c_str());
}

bool Win32TopLevelWindows::IsIconic(WindowHandle window) {
    return ::IsIconic(ToHwnd(window)) != FALSE;
}

void Win32TopLevelWindows::Show(WindowHandle window, int showCommand) {
    ShowWindow(ToHwnd(window), showCommand);
}

void Win32TopLevelWindows::SetForeground(WindowHandle window) {
    SetForegroundWindow(ToHwnd(window));
}

WindowHandle Win32TopLevelWindows::Foreground() {
    return FromHwnd(GetForegroundWindow());
}

IconHandle Win32TopLevelWindows::SmallIcon(WindowHandle window) {
    if (!window) return {};
    return IconHandle{
        static_cast<std::uintptr_t>(SendMessageW(ToHwnd(window), WM_GETICON, ICON_SMALL, 0))};
}

void Win32TopLevelWindows::SetText(WindowHandle window, std::u16string_view text) {
    SetWindowTextW(ToHwnd(window), ToWide(text).c_str());
}

}  // namespace zubolo
