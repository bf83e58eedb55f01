// The linkage to the Explorer window that shows the Recycle Bin: the caption update that the
// tick and the drive table run, and the commands that open the bin and end the linkage.
#include <string_view>

#include "linkage/ExplorerLink.h"
#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"
#include "shell/ShellRoutines.h"

namespace zubolo {
namespace {

constexpr std::u16string_view RecycleBinLocation = u"shell:RecycleBinFolder";

LinkageContext FormLinkageContext(TZuboloForm& form) {
    return LinkageContext{form.Linkage, form.Services.windows, form.App.Handle(),
                          form.Monitor.LastItemCount,
                          [&form](bool full) { form.SetBinButtonImages(full); }};
}

}  // namespace

// With the linkage off the Explorer window keeps the caption that switching off gave it back;
// docs/ARCHITECTURE.md says why.
void TZuboloForm::UpdateLinkedWindowTitle(std::u16string_view text) {
    if (!LinkageOn()) return;
    zubolo::UpdateLinkedWindowTitle(FormLinkageContext(*this), text);
}

void TZuboloForm::ButtonOpenRbClick() {
    ShellOpen(FormShellContext(*this), RecycleBinLocation);
    Monitor.ForceNextChange();
    // Explorer may not show its window yet; the searches of the next ticks look for it again.
    UpdateLinkedWindowTitle(StatusBar1.PanelText(1));
}

void TZuboloForm::ButtonStopClick() {
    ButtonStart.SetEnabled(true);
    ButtonStop.SetEnabled(false);
    ListView1.ClearItems();
    StatusBar1.SetPanelText(1, u"");
    RestoreUsualCaption(Linkage, Services.windows);
    Monitor.PrevCount = 0;
    Services.frame.ProcessPendingMessages();
}

}  // namespace zubolo
