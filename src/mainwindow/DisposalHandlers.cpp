// Files dropped on the main window or named on the command line, sent to the Recycle Bin under
// the drop policy of RadioGroup2.
#include <string>
#include <vector>

#include "disposal/CommandLine.h"
#include "disposal/FileDisposal.h"
#include "disposal/FileList.h"
#include "mainwindow/AppTexts.h"
#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

void TZuboloForm::HandleDroppedFiles(NativeHandle drop) {
    const std::vector<std::u16string> paths = Services.frame.TakeDroppedFiles(drop);
    App.SetTitle(std::u16string(AppDisplayName));
    ProcessFileList(FileListText(paths));
    App.SetTitle(StatusBar1.PanelText(1));
}

void TZuboloForm::ProcessFileList(std::u16string_view fileList) {
    const ShellContext shell = FormShellContext(*this);
    ApplyDropPolicy(
        {shell, Services.recycleBin, AppDisplayName,
         [this] { return Services.frame.ActiveWindow(); }, [this] { ButtonOpenRbClick(); }},
        RadioGroup2.ItemIndex(), fileList);
    // A process started to dispose of files ends once they are handled, whatever became of them.
    if (!CommandLineArguments(Services.process.CommandLine()).empty()) {
        Services.process.RequestQuit();
    }
}

void TZuboloForm::ProcessCommandLineFiles() {
    const std::vector<std::u16string> files = CommandLineArguments(Services.process.CommandLine());
    if (files.empty()) return;
    App.SetTitle(std::u16string(AppDisplayName));
    ProcessFileList(FileListText(files));
}

}  // namespace zubolo
