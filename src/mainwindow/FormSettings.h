#pragma once
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

// The settings file as the main window uses it: read once while the window is created, written
// once when a close is not vetoed.

// Puts the placement and state of the section POSITION on the still hidden window (which
// appears in them when it is shown) and the values of MODE on their controls, in the file's
// order; the check boxes run their commands when their state changes. A missing or unreadable
// file leaves the defaults.
void ApplySettingsFile(TZuboloForm& form);

// Rewrites PROGRAM, and POSITION (from `placement` and the window's state) and MODE while
// "状態を保存" is checked, otherwise removes those two. The sections of other writers stay. A file
// that exists but cannot be read is left alone, since its content would be lost.
void WriteSettingsFile(const TZuboloForm& form, const WindowPlacement& placement);

}  // namespace zubolo
