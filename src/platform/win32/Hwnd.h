#pragma once
#include <windows.h>
// (shell header after <windows.h>)
#include <shellapi.h>

#include <cstdint>

#include "platform/Handles.h"

namespace zubolo {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window.value);
}
inline WindowHandle FromHwnd(HWND window) {
    return WindowHandle{reinterpret_cast<std::uintptr_t>(window)};
}

// The drop that WM_DROPFILES hands over.
inline HDROP ToHdrop(NativeHandle drop) {
    return reinterpret_cast<HDROP>(drop.value);
}
inline NativeHandle FromHdrop(HDROP drop) {
    return NativeHandle{reinterpret_cast<std::uintptr_t>(drop)};
}

inline HICON ToHicon(IconHandle icon) {
    return reinterpret_cast<HICON>(icon.value);
}
inline IconHandle FromHicon(HICON icon) {
    return IconHandle{reinterpret_cast<std::uintptr_t>(icon)};
}

}  // namespace zubolo
