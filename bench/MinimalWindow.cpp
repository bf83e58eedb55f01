// minimal_window.exe: the baseline of the benchmarks. The least a Win32 program does that shows a
// window and wakes once a second: one window class, one window, one timer, a message loop.
#include <windows.h>

namespace {

constexpr wchar_t ClassName[] = L"MinimalWindow";
constexpr UINT_PTR TickTimer = 1;
constexpr UINT TickIntervalMs = 1000;
// The outer size of Zubolo's main window at 96 dpi: both programs pay the same for the pixels of
// their window, which Wine keeps in the program's own memory.
constexpr int Width = 463;
constexpr int Height = 285;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    // WM_TIMER needs no handling: the tick only has to wake the message loop.
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = ClassName;
    if (!RegisterClassExW(&windowClass)) return 1;

    HWND window =
        CreateWindowExW(0, ClassName, ClassName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        Width, Height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    SetTimer(window, TickTimer, TickIntervalMs, nullptr);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
