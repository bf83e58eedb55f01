#pragma once
#include <string>
#include <vector>

#include "mainwindow/ZuboloForm.h"

namespace zubolo {

// Rebinds every trigger of the form's command map so that it records the name of its command
// instead of running it.
inline void RecordCommands(TZuboloForm& form, std::vector<std::string>& ran) {
    for (CommandBinding& binding : form.CommandMap()) {
        for (Handler* trigger : binding.triggers) {
            *trigger = [&ran, command = std::string(binding.command)] { ran.push_back(command); };
        }
    }
}

}  // namespace zubolo
