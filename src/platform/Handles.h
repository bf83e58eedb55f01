#pragma once
#include <cstdint>

namespace zubolo {

// Windows handles as the portable code sees them: opaque pointer-sized values that only the
// Win32 layer turns back into HWND, HICON and so on. Zero means "no handle".
using WindowHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;
using NativeHandle = std::uintptr_t;

}  // namespace zubolo
