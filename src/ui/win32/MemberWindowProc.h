#pragma once
#include <windows.h>

#include "platform/win32/OwnedHandles.h"

namespace zubolo {

// The window procedure of a class whose objects handle their own messages. The object passed as
// the creation parameter of CreateWindowExW is remembered at WM_NCCREATE, from where its `hwnd_`
// (a UniqueWindow) owns the window, and gets every message from then on through its
// `HandleMessage`; nothing thrown crosses back into Windows. After WM_NCDESTROY the window is gone
// and the object lets go of it.
template <class Window>
LRESULT CALLBACK MemberWindowProc(HWND window, UINT message, WPARAM wParam,
                                  LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_.reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        result = DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) self->hwnd_.release();
    return result;
}

}  // namespace zubolo
