// Where the program stays while minimized: with "タスクトレイ" the application window (and with it
// the taskbar button) is hidden and the notification-area icon shown; restoring reverses both.
#include "mainwindow/ZuboloForm.h"
#include "presentation/Residence.h"

namespace zubolo {

void TZuboloForm::AppMinimize() {
    if (ResidenceOf(RadioGroup1.ItemIndex()) == Residence::Taskbar) return;
    TrayIcon1.SetVisible(true);
    Services.windows.Show(Services.frame.Owner(Handle()), ShowCommandHide);
}

void TZuboloForm::AppRestore() {
    TrayIcon1.SetVisible(false);
    Services.windows.Show(Services.frame.Owner(Handle()), ShowCommandShow);
    App.SetTitle(StatusBar1.PanelText(1));
}

void TZuboloForm::Pm1RestoreClick() {
    AppRestore();
    // Restoring a minimized application runs AppRestore once more, through its restore event.
    Services.frame.RestoreApplication(Handle());
    Services.presentation.BringApplicationToFront(Handle());
    App.SetTitle(StatusBar1.PanelText(1));
}

}  // namespace zubolo
