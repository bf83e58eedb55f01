#include "WindowQueries.h"

namespace zubolo::e2e {

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows() {
    // Wine may enumerate nothing until the desktop window has been asked for once.
    GetDesktopWindow();
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    std::vector<HWND> windows;
    for (HWND window : TopLevelWindows()) {
        if (ProcessOf(window) == processId) windows.push_back(window);
    }
    return windows;
}

HWND FindTopLevel(DWORD processId, std::wstring_view className) {
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (ClassNameOf(window) == className) return window;
    }
    return nullptr;
}

std::vector<HWND> DescendantsOfClass(HWND parent, std::wstring_view className) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> matching;
    for (HWND window : all) {
        if (ClassNameOf(window) == className) matching.push_back(window);
    }
    return matching;
}

RECT ScreenRectOf(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

RECT ClientRectOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

POINT CentreOf(HWND window) {
    const RECT bounds = ScreenRectOf(window);
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

}  // namespace zubolo::e2e
