#include "platform/win32/WindowPresentation.h"

#include <windows.h>

#include "platform/win32/Hwnd.h"

namespace zubolo {

int Win32WindowPresentation::OuterHeight(WindowHandle window) {
    RECT outer{};
    GetWindowRect(ToHwnd(window), &outer);
    return outer.bottom - outer.top;
}

int Win32WindowPresentation::ClientHeight(WindowHandle window) {
    RECT client{};
    GetClientRect(ToHwnd(window), &client);
    return client.bottom - client.top;
}

void Win32WindowPresentation::SetOuterHeight(WindowHandle window, int height) {
    const HWND hwnd = ToHwnd(window);
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32WindowPresentation::Dpi(WindowHandle window) {
    const UINT dpi = GetDpiForWindow(ToHwnd(window));
    return dpi != 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

void Win32WindowPresentation::BringApplicationToFront(WindowHandle mainWindow) {
    const HWND main = ToHwnd(mainWindow);
    const HWND application = GetWindow(main, GW_OWNER);
    HWND front = application != nullptr ? GetLastActivePopup(application) : main;
    // The application window itself has no size; the user means the main window then.
    if (front == application || !IsWindowVisible(front) || !IsWindowEnabled(front)) front = main;
    SetForegroundWindow(front);
}

}  // namespace zubolo
