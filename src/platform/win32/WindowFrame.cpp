#include "platform/win32/WindowFrame.h"

// (shell header after <windows.h>)
#include <shellapi.h>

#include <memory>

#include "platform/win32/Hwnd.h"
#include "platform/win32/OwnedHandles.h"
#include "platform/win32/WideText.h"

namespace zubolo {

namespace {

// The settings file and the structure's length field rely on this layout.
static_assert(sizeof(WINDOWPLACEMENT) == 44);
static_assert(WindowMessage::DropFiles == WM_DROPFILES);
static_assert(ShowCommandHide == SW_HIDE);

WINDOWPLACEMENT ReadPlacement(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    return placement;
}

}  // namespace

WindowPlacement Win32WindowFrame::Placement(WindowHandle window) {
    const WINDOWPLACEMENT placement = ReadPlacement(ToHwnd(window));
    const RECT& normal = placement.rcNormalPosition;
    return {static_cast<std::int32_t>(placement.flags),
            static_cast<std::int32_t>(placement.showCmd),
            {placement.ptMaxPosition.x, placement.ptMaxPosition.y},
            {normal.left, normal.top, normal.right, normal.bottom}};
}

void Win32WindowFrame::SetPlacement(WindowHandle window, const WindowPlacement& placement) {
    WINDOWPLACEMENT native = ReadPlacement(ToHwnd(window));
    native.flags = static_cast<UINT>(placement.flags);
    native.showCmd = static_cast<UINT>(placement.showCmd);
    native.ptMaxPosition = {placement.maxPosition.x, placement.maxPosition.y};
    const ScreenRect& normal = placement.normalPosition;
    native.rcNormalPosition = {normal.left, normal.top, normal.right, normal.bottom};
    SetWindowPlacement(ToHwnd(window), &native);
}

ScreenRect Win32WindowFrame::WorkArea() {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return {area.left, area.top, area.right, area.bottom};
}

bool Win32WindowFrame::IsShowing(WindowHandle window) {
    return IsWindowVisible(ToHwnd(window)) != FALSE;
}

WindowState Win32WindowFrame::State(WindowHandle window) {
    const HWND hwnd = ToHwnd(window);
    if (!IsWindowVisible(hwnd)) {
        if (const auto kept = hiddenStates_.find(hwnd); kept != hiddenStates_.end()) {
            return kept->second;
        }
    }
    if (IsIconic(hwnd)) return WindowState::Minimized;
    if (IsZoomed(hwnd)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Win32WindowFrame::SetState(WindowHandle window, WindowState state) {
    const HWND hwnd = ToHwnd(window);
    if (!IsWindowVisible(hwnd)) {
        hiddenStates_[hwnd] = state;
        return;
    }
    switch (state) {
        case WindowState::Normal:
            ShowWindow(hwnd, SW_SHOWNORMAL);
            break;
        case WindowState::Maximized:
            ShowWindow(hwnd, SW_SHOWMAXIMIZED);
            break;
        case WindowState::Minimized:
            // Through the system command, so that the application's own minimizing runs.
            SendMessageW(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
    }
}

int Win32WindowFrame::ShowCommandAtStart(HWND window, int processShowCommand) {
    const auto kept = hiddenStates_.find(window);
    const WindowState state = kept == hiddenStates_.end() ? WindowState::Normal : kept->second;
    if (kept != hiddenStates_.end()) hiddenStates_.erase(kept);
    if (processShowCommand == SW_SHOWMINNOACTIVE || processShowCommand == SW_SHOWMAXIMIZED) {
        return processShowCommand;
    }
    switch (state) {
        case WindowState::Minimized:
            return SW_SHOWMINNOACTIVE;
        case WindowState::Maximized:
            return SW_SHOWMAXIMIZED;
        case WindowState::Normal:
            break;
    }
    return SW_SHOWNORMAL;
}

void Win32WindowFrame::SetTopmost(WindowHandle window, bool topmost) {
    SetWindowPos(ToHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int Win32WindowFrame::TextWidth(WindowHandle window, std::u16string_view text) {
    const HWND hwnd = ToHwnd(window);
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring wide = ToWide(text);
    SIZE size{};
    if (const UniqueMemoryDC dc{CreateCompatibleDC(nullptr)}) {
        const SelectionScope selected(dc.get(), font);
        GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    }
    const UINT dpi = GetDpiForWindow(hwnd);
    return MulDiv(size.cx, 96, dpi != 0 ? static_cast<int>(dpi) : 96);
}

void Win32WindowFrame::AcceptDroppedFiles(WindowHandle window, bool accept) {
    DragAcceptFiles(ToHwnd(window), accept ? TRUE : FALSE);
}

std::vector<std::u16string> Win32WindowFrame::TakeDroppedFiles(NativeHandle drop) {
    const UniqueDrop owned(ToHdrop(drop));
    constexpr UINT CountQuery = 0xFFFFFFFF;
    const UINT count = DragQueryFileW(owned.get(), CountQuery, nullptr, 0);
    std::vector<std::u16string> paths;
    for (UINT index = 0; index < count; ++index) {
        // Asked for its length first, so that a name of any length is read whole: a name cut to
        // a fixed buffer would be the path of another file.
        const UINT length = DragQueryFileW(owned.get(), index, nullptr, 0);
        if (length == 0) break;
        std::wstring name(length + 1, L'\0');
        const UINT copied = DragQueryFileW(owned.get(), index, name.data(), length + 1);
        if (copied == 0) break;
        name.resize(copied);
        paths.push_back(FromWide(name));
    }
    return paths;
}

void Win32WindowFrame::Repaint(WindowHandle window) {
    UpdateWindow(ToHwnd(window));
}

WindowHandle Win32WindowFrame::Owner(WindowHandle window) {
    return FromHwnd(GetWindow(ToHwnd(window), GW_OWNER));
}

void Win32WindowFrame::RestoreApplication(WindowHandle mainWindow) {
    const HWND application = GetWindow(ToHwnd(mainWindow), GW_OWNER);
    if (application != nullptr && IsIconic(application)) {
        SendMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    }
}

void Win32WindowFrame::ProcessPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The loop that waits for it must still see it.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

WindowHandle Win32WindowFrame::ActiveWindow() {
    return FromHwnd(GetActiveWindow());
}

}  // namespace zubolo
