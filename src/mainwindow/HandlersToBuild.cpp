// Handlers that the command map binds but whose work is not written yet. Each one moves to the
// file of its subsystem when it is built; docs/ARCHITECTURE.md lists them under "Handlers still
// to be built". Until then a trigger that runs one of them does nothing.
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

// Drive list.
void TZuboloForm::ListView1ColumnClick(int /*column*/) {}
int TZuboloForm::ListView1Compare(const ListItem& /*item1*/, const ListItem& /*item2*/) {
    return 0;
}
void TZuboloForm::PageControl1Change() {}
void TZuboloForm::PopupMenu2Popup() {}
void TZuboloForm::pm2OpenDriveClick() {}
void TZuboloForm::Pm2ShowDrivePropertiesClick() {}
void TZuboloForm::Pm2ShowDriveBinPropertiesClick() {}
void TZuboloForm::pm2AdjustColWidthClick() {}
void TZuboloForm::Pm2UpdateListViewClick() {}
void TZuboloForm::pm3AdjustColWidth2Click() {}

void TZuboloForm::Pm3StatusSpreadClick() {}

}  // namespace zubolo
