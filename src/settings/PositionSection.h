#pragma once
#include "platform/WindowFrame.h"
#include "settings/IniDocument.h"

namespace zubolo {

// The section POSITION: the main window's placement and state.

// The placement in the file, read over `current` key by key in the order Flags, ShowCmd, MaxX,
// MaxY, Top, Left, Right, Bottom. A missing or unusable key keeps the current field, except for
// the normal rectangle, whose defaults come from the work area: Left its width / 3, Top its
// height / 3, Right 2 × Left and Bottom 2 × Top, with the Left and Top just read.
WindowPlacement ReadPositionPlacement(const IniDocument& document, const WindowPlacement& current,
                                      const ScreenRect& workArea);

// The window state under the key written as State; `current` when it is missing or names no
// state.
WindowState ReadPositionState(const IniDocument& document, WindowState current);

// Replaces the section, which thereby moves to the end of the document, with Flags, ShowCmd,
// MaxX, MaxY, Left, Top, Right, Bottom and State, in this order.
void WritePositionSection(IniDocument& document, const WindowPlacement& placement,
                          WindowState state);

void ErasePositionSection(IniDocument& document);

}  // namespace zubolo
