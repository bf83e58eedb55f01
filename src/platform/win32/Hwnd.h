#pragma once
#include <windows.h>

#include "platform/Handles.h"

namespace zubolo {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
inline WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

inline HICON ToHicon(IconHandle icon) {
    return reinterpret_cast<HICON>(icon);
}
inline IconHandle FromHicon(HICON icon) {
    return reinterpret_cast<IconHandle>(icon);
}

}  // namespace zubolo
