#pragma once
#include <windows.h>

namespace zubolo::e2e {

enum class MouseButton { Left = 1, Right = 3 };  // X's button numbers

// Clicks a mouse button at a point of the screen as the user's mouse does: the click reaches
// the X server beneath Wine (through xdotool), and Wine hands it to whatever window lies there,
// windows of other processes such as Wine's own tray window included. The click happens a
// moment after this returns; wait for what it does.
void RealClickAt(POINT at, MouseButton button = MouseButton::Left);

}  // namespace zubolo::e2e
