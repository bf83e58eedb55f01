#pragma once
#include <cstdint>

namespace zubolo {

// The main window shows either the detailed view (pages and status bar) or the compact view
// (only the status bar). The view is not stored anywhere: it is read off the window's client
// height. Heights are device pixels.

// The compact view: the client area is exactly as tall as the status bar.
bool IsCompactView(int clientHeight, int statusBarHeight);

// The outer height that leaves a client area as tall as the status bar: title bar and borders
// (outer minus client height) plus the status bar.
int CompactOuterHeight(int outerHeight, int clientHeight, int statusBarHeight);

// The outer height of the detailed view: the one kept when the window last turned compact, or,
// when none was kept (0, or a nonsensical negative value from the settings file), the window's
// design height at the window's resolution, so that the window never collapses to nothing.
int DetailedOuterHeight(std::int32_t keptHeight, int designHeight, int dpi);

}  // namespace zubolo
