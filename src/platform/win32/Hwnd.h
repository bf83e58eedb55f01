#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/Handles.h"

namespace zubolo {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}
inline WindowHandle FromHwnd(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}
inline IconHandle FromHicon(HICON icon) {
    return IconHandle{reinterpret_cast<std::uintptr_t>(icon)};
}

}  // namespace zubolo
