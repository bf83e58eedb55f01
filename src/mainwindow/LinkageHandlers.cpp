// The linkage to the Explorer window that shows the Recycle Bin, as the main window's controls
// start and end it.
#include "linkage/ExplorerLink.h"
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

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
