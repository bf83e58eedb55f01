#pragma once
#include <string_view>
#include <vector>

#include "ui/Controls.h"

namespace zubolo {

// One command of the main window: the handler it runs, named as the handler is, and the event
// slots of the controls and menu items that run it.
struct CommandBinding {
    std::string_view command;
    Handler run;
    std::vector<Handler*> triggers;
};

}  // namespace zubolo
