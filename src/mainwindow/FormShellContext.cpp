#include "mainwindow/FormShellContext.h"

#include "mainwindow/ZuboloForm.h"

namespace zubolo {

ShellContext FormShellContext(TZuboloForm& form) {
    return ShellContext{
        form.Services.shell,
        form.Services.boxes,
        [&form] { return form.App.Title(); },
        form.Handle(),
        [&form] { form.Services.frame.SetTopmost(form.Handle(), false); },
    };
}

}  // namespace zubolo
