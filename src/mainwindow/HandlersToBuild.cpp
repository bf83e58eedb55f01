// Handlers that the command map binds but whose work is not written yet. Each one moves to the
// file of its subsystem when it is built; docs/ARCHITECTURE.md lists them under "Handlers still
// to be built". Until then a trigger that runs one of them does nothing.
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

// Explorer linkage.
void TZuboloForm::ButtonOpenRbClick() {}

// Shortcut registration.
void TZuboloForm::ButtonDeskTopClick() {}
void TZuboloForm::ButtonStartMenuClick() {}
void TZuboloForm::ButtonStartUpClick() {}

// Private recycle bins.
void TZuboloForm::ButtonAddRbClick() {}

// View modes and tray.
void TZuboloForm::StatusBar1Click() {}
void TZuboloForm::PageControl1Resize() {}
void TZuboloForm::GridPanel2Resize() {}
void TZuboloForm::Pm1RestoreClick() {}
void TZuboloForm::Pm4SpreadClick() {}
void TZuboloForm::Pm4ShrinkClick() {}

// Help, web links and the About box.
void TZuboloForm::ButtonHelpClick() {}
void TZuboloForm::ButtonDonationClick() {}
void TZuboloForm::ButtonHomeSiteClick() {}
void TZuboloForm::ButtonAboutClick() {}

}  // namespace zubolo
