// Stand-in for the Explorer window that shows the Recycle Bin, which Wine does not have. The test
// prefix registers it as the handler of the shell: scheme, so opening "shell:RecycleBinFolder"
// starts it with that location as its argument.
//
// It shows a visible top-level window of class "CabinetWClass" captioned
// "ごみ箱 - エクスプローラー", with a small icon, and in it the location it was started with
// (control id 1), so that a test can see what the shell passed.
//
// Posting it the registered message "ZuboloE2EExplorerStandInHang" makes it stop answering
// messages, as a hung program does, until the event "ZuboloE2EExplorerStandInWake" is set or
// a minute has passed.
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

constexpr wchar_t ClassName[] = L"CabinetWClass";
constexpr wchar_t Caption[] = L"ごみ箱 - エクスプローラー";
constexpr wchar_t HangMessageName[] = L"ZuboloE2EExplorerStandInHang";
constexpr wchar_t WakeEventName[] = L"ZuboloE2EExplorerStandInWake";
constexpr DWORD LongestHangMs = 60000;
constexpr int LocationId = 1;

UINT hangMessage = 0;

void Hang() {
    HANDLE wake = OpenEventW(SYNCHRONIZE, FALSE, WakeEventName);
    if (wake == nullptr) return;
    WaitForSingleObject(wake, LongestHangMs);
    CloseHandle(wake);
}

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == hangMessage) {
        Hang();
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring FirstArgument() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring first = arguments != nullptr && count > 1 ? arguments[1] : L"";
    LocalFree(arguments);
    return first;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    hangMessage = RegisterWindowMessageW(HangMessageName);
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = StandInProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = ClassName;
    if (RegisterClassExW(&windowClass) == 0) return 1;

    HWND window = CreateWindowExW(0, ClassName, Caption, WS_OVERLAPPEDWINDOW, 560, 40, 480, 160,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    // Explorer's folder windows answer WM_GETICON with the picture of the folder they show.
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    CreateWindowExW(0, L"STATIC", FirstArgument().c_str(), WS_CHILD | WS_VISIBLE, 12, 12, 440, 24,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(LocationId)), instance,
                    nullptr);
    // Shown only now: a test that sees the window visible finds everything in it.
    ShowWindow(window, SW_SHOWNORMAL);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
