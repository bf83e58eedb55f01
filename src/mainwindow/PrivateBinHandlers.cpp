// The main window's command that adds a private recycle bin to the Desktop.
#include "mainwindow/AppTexts.h"
#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"
#include "privatebins/PrivateBins.h"

namespace zubolo {

// The title is the program's name while the bin is made (and the caption of the notice), then
// the Recycle Bin text of status panel 1 again.
void TZuboloForm::ButtonAddRbClick() {
    App.SetTitle(std::u16string(AppDisplayName));
    AddPrivateBin(FormShellContext(*this), Services.files);
    App.SetTitle(StatusBar1.PanelText(1));
}

}  // namespace zubolo
