#pragma once
#include <windows.h>

namespace zubolo {

// The window procedure of a class whose objects handle their own messages. The object passed as
// the creation parameter of CreateWindowExW is remembered at WM_NCCREATE (its `hwnd_` set) and
// gets every message from then on through its `HandleMessage`; nothing thrown crosses back into
// Windows.
template <class Window>
LRESULT CALLBACK MemberWindowProc(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace zubolo
