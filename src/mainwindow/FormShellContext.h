#pragma once
#include "shell/ShellRoutines.h"

namespace zubolo {

class TZuboloForm;

// The shell routines as the main window's handlers call them: boxes owned by the main window and
// captioned with the application title of the moment they open, and a topmost drop that leaves
// the stay-on-top check box and menu item as they are. Holds references to the form.
ShellContext FormShellContext(TZuboloForm& form);

}  // namespace zubolo
