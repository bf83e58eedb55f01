#include <type_traits>

#include "platform/Handles.h"
#include "platform/TopLevelWindows.h"

namespace zubolo {
namespace {

// Handles of different kinds, and plain numbers, do not pass for one another; a handle is made
// from a number only by naming its kind.
static_assert(!std::is_convertible_v<IconHandle, WindowHandle>);
static_assert(!std::is_constructible_v<WindowHandle, IconHandle>);
static_assert(!std::is_convertible_v<WindowHandle, NativeHandle>);
static_assert(!std::is_convertible_v<std::uintptr_t, WindowHandle>);
static_assert(!std::is_convertible_v<WindowHandle, std::uintptr_t>);
static_assert(
    !std::is_invocable_v<decltype(&TopLevelWindows::SetForeground), TopLevelWindows&, IconHandle>);
static_assert(WindowHandle{42} == WindowHandle{42} && WindowHandle{42} != WindowHandle{43});
static_assert(!WindowHandle{} && WindowHandle{42});

}  // namespace
}  // namespace zubolo
