#pragma once
#include <compare>
#include <cstdint>

namespace zubolo {

// A Windows handle as the portable code sees it: an opaque pointer-sized value that only the
// Win32 layer turns back into HWND, HICON and so on. Each kind is a type of its own, so that an
// icon cannot be passed where a window is expected. The default value means "no handle".
template <class Kind>
struct OpaqueHandle {
    std::uintptr_t value = 0;

    constexpr explicit operator bool() const { return value != 0; }
    // Ordered only so that handles can key maps and sets.
    friend constexpr auto operator<=>(const OpaqueHandle&, const OpaqueHandle&) = default;
};

using WindowHandle = OpaqueHandle<struct WindowHandleKind>;
using IconHandle = OpaqueHandle<struct IconHandleKind>;
// Any other kernel or system object (the single-instance mutex).
using NativeHandle = OpaqueHandle<struct NativeHandleKind>;

}  // namespace zubolo
