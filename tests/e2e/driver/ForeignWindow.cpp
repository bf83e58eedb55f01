#include "ForeignWindow.h"

#include "Polling.h"
#include "ZuboloProgram.h"

namespace zubolo::e2e {

namespace {

constexpr wchar_t ClassName[] = L"ZuboloE2EForeignWindow";

LRESULT CALLBACK ForeignWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        RemovePropW(window, InstanceMarkerName);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

ForeignWindow::ForeignWindow(INT_PTR propertyValue) : propertyValue_(propertyValue) {
    created_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, RunThread, this, 0, nullptr);
    Expect(thread_ != nullptr, L"the driver to start the thread of its foreign window");
    WaitForSingleObject(created_, INFINITE);
    Expect(window_ != nullptr, L"the driver to create its foreign window");
}

ForeignWindow::~ForeignWindow() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(created_);
}

DWORD WINAPI ForeignWindow::RunThread(void* self) {
    auto& foreign = *static_cast<ForeignWindow*>(self);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ForeignWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ClassName;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&windowClass);
    foreign.window_ = CreateWindowExW(0, ClassName, L"foreign window with the property Zubolo",
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 100, nullptr,
                                      nullptr, windowClass.hInstance, nullptr);
    if (foreign.window_ != nullptr) {
        SetPropW(foreign.window_, InstanceMarkerName,
                 reinterpret_cast<HANDLE>(foreign.propertyValue_));
    }
    SetEvent(foreign.created_);
    if (foreign.window_ == nullptr) return 1;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

void ForeignWindow::BringToForeground() {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window_);
    WaitFor(L"the driver's foreign window to become the foreground window",
            [&] { return GetForegroundWindow() == window_; });
}

}  // namespace zubolo::e2e
