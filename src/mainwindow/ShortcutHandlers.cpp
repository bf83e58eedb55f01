// The main window's commands that place the program's shortcut in the shell's folders. Each one
// names its folder; the shortcut manager does the rest.
#include "mainwindow/AppTexts.h"
#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"
#include "shortcuts/ShortcutRegistration.h"

namespace zubolo {

void TZuboloForm::RegisterShortcut(std::int32_t csidl, std::u16string_view folderName,
                                   std::u16string_view targetPath) {
    App.SetTitle(std::u16string(AppDisplayName));
    const ShortcutContext context{
        FormShellContext(*this), Services.links,
        Services.files,          Services.recycleBin,
        Services.clock,          Services.locale,
        Services.paths,          [this] { Services.frame.ProcessPendingMessages(); },
        AppDisplayName,          AppVersion};
    RegisterProgramShortcut(context, {csidl, folderName}, targetPath);
}

void TZuboloForm::ButtonDeskTopClick() {
    RegisterShortcut(Csidl::Desktop, u"デスクトップ", Services.paths.ProgramFilePath());
}

void TZuboloForm::ButtonStartMenuClick() {
    RegisterShortcut(Csidl::Programs, u"スタートメニューのプログラム",
                     Services.paths.ProgramFilePath());
}

void TZuboloForm::ButtonStartUpClick() {
    RegisterShortcut(Csidl::Startup, u"スタートアップ", Services.paths.ProgramFilePath());
}

void TZuboloForm::ButtonAddSendToClick() {
    RegisterShortcut(Csidl::SendTo, u"送る", Services.paths.ProgramFilePath());
}

}  // namespace zubolo
