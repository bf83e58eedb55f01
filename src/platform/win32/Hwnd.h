#pragma once
#include <windows.h>
// (shell header after <windows.h>)
#include <shellapi.h>

#include "platform/Handles.h"

namespace zubolo {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
inline WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

// The drop that WM_DROPFILES hands over.
inline HDROP ToHdrop(NativeHandle drop) {
    return reinterpret_cast<HDROP>(drop);
}
inline NativeHandle FromHdrop(HDROP drop) {
    return reinterpret_cast<NativeHandle>(drop);
}

}  // namespace zubolo
