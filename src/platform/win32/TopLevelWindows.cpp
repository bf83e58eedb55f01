#include "platform/win32/TopLevelWindows.h"

#include <windows.h>

#include <iterator>
#include <string>

#include "platform/win32/Hwnd.h"
#include "platform/win32/WideText.h"

namespace zubolo {
namespace {

// How long a window of another process gets to answer a request. Explorer answers at once; a
// program that takes longer is hung, and the tick must not wait for it.
constexpr UINT ReplyTimeoutMs = 300;
// After a time-out the same window is not asked again for this long: one tick may ask the linked
// window several times, and a hung window shall cost it one time-out at most.
constexpr ULONGLONG QuietPeriodMs = 1000;

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

bool Win32TopLevelWindows::IsVisible(WindowHandle window) {
    return IsWindowVisible(ToHwnd(window)) != FALSE;
}

std::u16string Win32TopLevelWindows::ClassName(WindowHandle window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(ToHwnd(window), name, static_cast<int>(std::size(name)));
    return FromWide(std::wstring_view(name, length > 0 ? length : 0));
}

std::u16string Win32TopLevelWindows::Text(WindowHandle window) {
    wchar_t caption[MaxCaptionLength + 1] = {};
    const int length =
        GetWindowTextW(ToHwnd(window), caption, static_cast<int>(std::size(caption)));
    return FromWide(std::wstring_view(caption, length > 0 ? length : 0));
}

IconHandle Win32TopLevelWindows::SmallIcon(WindowHandle window) {
    if (!window) return IconHandle{};
    const std::optional<std::intptr_t> icon = Ask(window, WM_GETICON, ICON_SMALL, 0);
    return icon ? FromHicon(reinterpret_cast<HICON>(*icon)) : IconHandle{};
}

void Win32TopLevelWindows::SetText(WindowHandle window, std::u16string_view text) {
    const std::wstring caption = ToWide(text);
    Ask(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
}

std::optional<std::intptr_t> Win32TopLevelWindows::Ask(WindowHandle window, unsigned message,
                                                       std::uintptr_t wParam,
                                                       std::intptr_t lParam) {
    if (window == silentWindow_ && GetTickCount64() < silentUntil_) return std::nullopt;
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(ToHwnd(window), message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                            ReplyTimeoutMs, &answer) != 0) {
        return static_cast<std::intptr_t>(answer);
    }
    if (GetLastError() == ERROR_TIMEOUT) {
        silentWindow_ = window;
        silentUntil_ = GetTickCount64() + QuietPeriodMs;
    }
    return std::nullopt;
}

}  // namespace zubolo
