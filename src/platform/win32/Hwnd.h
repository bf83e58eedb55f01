#pragma once
#include <windows.h>

#include "platform/Handles.h"

namespace zubolo {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window.value);
}
inline WindowHandle FromHwnd(HWND window) {
    return WindowHandle{reinterpret_cast<std::uintptr_t>(window)};
}

inline HICON ToHicon(IconHandle icon) {
    return reinterpret_cast<HICON>(icon.value);
}
inline IconHandle FromHicon(HICON icon) {
    return IconHandle{reinterpret_cast<std::uintptr_t>(icon)};
}

}  // namespace zubolo
