// The main window's commands that open shell locations, tools and property sheets. Each one only
// hands its target to a shell routine, which reports a failure itself.
#include <cstdint>

#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"
#include "shell/ShellRoutines.h"

namespace zubolo {

namespace {

void OpenSpecialFolder(TZuboloForm& form, std::int32_t csidl) {
    const ShellContext shell = FormShellContext(form);
    ShellOpen(shell, GetSpecialFolderPath(shell, csidl));
}

}  // namespace

void TZuboloForm::pm2OpenDeskTopClick() {
    OpenSpecialFolder(*this, Csidl::Desktop);
}

void TZuboloForm::pm2OpenHomeClick() {
    ShellOpen(FormShellContext(*this), u"Explorer.exe");
}

void TZuboloForm::pm2OpenUserClick() {
    OpenSpecialFolder(*this, Csidl::Profile);
}

// The Computer folder has no file-system path, so this opens "\" (the item is never shown).
void TZuboloForm::pm2OpenPC1Click() {
    OpenSpecialFolder(*this, Csidl::Drives);
}

void TZuboloForm::pm2OpenCPanelClick() {
    ShellOpen(FormShellContext(*this), u"control.exe");
}

void TZuboloForm::pm2TaskMgrClick() {
    ShellOpen(FormShellContext(*this), u"TaskMgr.exe");
}

// The desktop-icon settings page of the display control panel.
void TZuboloForm::ButtonDeskTopRbClick() {
    ShellOpenWithParams(FormShellContext(*this), u"Control.exe", u"desk.cpl,,0");
}

void TZuboloForm::ButtonShowPropertiesRbClick() {
    ShowObjectProperties(FormShellContext(*this), u"shell:RecycleBinFolder");
}

void TZuboloForm::ButtonPropertiesClick() {
    ShowObjectProperties(FormShellContext(*this), Services.paths.ProgramFilePath());
}

}  // namespace zubolo
