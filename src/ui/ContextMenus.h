#pragma once
#include "ui/Control.h"
#include "ui/Menu.h"

namespace zubolo {

// The menu a right click on `control` opens: its own context menu, or else that of the nearest
// control holding it. A menu whose automatic popup is off passes the click on to the holder.
// Null when no menu opens.
PopupMenu* ContextMenuFor(const Control& control);

// A shortcut key pressed while the keyboard focus is in `focused`: the context menus of the
// focused control and of every control holding it are asked in turn, nearest first; the first
// whose item with that shortcut is enabled runs that item. Returns true when an item ran.
bool RunShortcut(const Control& focused, int key);

}  // namespace zubolo
