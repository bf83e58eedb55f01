#include "ui/win32/ApplicationWindow.h"

#include "platform/win32/Hwnd.h"
#include "platform/win32/WideText.h"
#include "resource.h"

namespace zubolo {

ApplicationWindow::ApplicationWindow(Application& application) : application_(application) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = MemberWindowProc<ApplicationWindow>;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(IDI_PROGRAM));
    windowClass.lpszClassName = ClassName;
    RegisterClassExW(&windowClass);

    const std::wstring title = ToWide(application_.Title());
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    hwnd_.reset(
        CreateWindowExW(0, ClassName, title.c_str(),
                        WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                        0, 0, nullptr, nullptr, windowClass.hInstance, this));
    showHints_ = application_.ShowHints();
    application_.SetHandle(FromHwnd(hwnd_));
    application_.AttachPeer(this);
}

ApplicationWindow::~ApplicationWindow() {
    application_.AttachPeer(nullptr);
    application_.SetHandle(WindowHandle{});
    hwnd_.reset();
}

void ApplicationWindow::StateChanged() {
    const std::wstring title = ToWide(application_.Title());
    SetWindowTextW(hwnd_, title.c_str());
    if (showHints_ != application_.ShowHints()) {
        showHints_ = application_.ShowHints();
        if (OnShowHintsChanged) OnShowHintsChanged();
    }
}

void ApplicationWindow::Minimize() {
    if (minimized_) return;
    minimized_ = true;
    ShowWindow(mainWindow_, SW_HIDE);
    ShowWindow(hwnd_, SW_MINIMIZE);
    Fire(application_.OnMinimize);
}

void ApplicationWindow::Restore() {
    if (!minimized_) return;
    minimized_ = false;
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    ShowWindow(mainWindow_, SW_SHOW);
    SetForegroundWindow(mainWindow_);
    Fire(application_.OnRestore);
}

void ApplicationWindow::Run(int showCommand) {
    if (application_.ShowMainForm()) {
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        if (showCommand == SW_SHOWMINNOACTIVE) {
            Minimize();
        } else {
            ShowWindow(mainWindow_,
                       showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
            SetForegroundWindow(mainWindow_);
        }
    }
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        const QueuedMessage queued{FromHwnd(message.hwnd), message.message, message.wParam,
                                   message.lParam};
        if (application_.OnMessage && application_.OnMessage(queued)) continue;
        if (mainWindow_ != nullptr && IsDialogMessageW(mainWindow_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                Minimize();
                return 0;
            }
            if ((wParam & 0xFFF0) == SC_RESTORE && minimized_) {
                Restore();
                return 0;
            }
            break;
        case WM_SIZE:
            // Another program (a second start) restored this window directly.
            if (wParam == SIZE_RESTORED && minimized_) Restore();
            return 0;
        case WM_ACTIVATE:
            // The taskbar button activates this window; the user means the main window.
            if (LOWORD(wParam) != WA_INACTIVE && mainWindow_ != nullptr &&
                IsWindowVisible(mainWindow_)) {
                SetActiveWindow(mainWindow_);
                return 0;
            }
            break;
        case WM_CLOSE:
            if (mainWindow_ != nullptr) PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace zubolo
