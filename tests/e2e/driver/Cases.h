#pragma once
#include <string>

namespace zubolo::e2e {

struct CaseSettings {
    std::wstring zuboloPath;        // Windows path of Zubolo.exe
    std::wstring screenshotFolder;  // Windows path of the folder for page screenshots
};

void RunMainWindowCase(const CaseSettings& settings);
void RunSecondStartCase(const CaseSettings& settings);
void RunRestartCase(const CaseSettings& settings);
void RunTrashStatusCase(const CaseSettings& settings);
void RunSettingsFirstStartCase(const CaseSettings& settings);
void RunSettingsRestartCase(const CaseSettings& settings);
void RunSettingsSaveOffCase(const CaseSettings& settings);
void RunPopupMenusCase(const CaseSettings& settings);
void RunEscapeClosesCase(const CaseSettings& settings);
void RunLocationCommandsCase(const CaseSettings& settings);
void RunFileDropsCase(const CaseSettings& settings);
void RunCommandLineFilesCase(const CaseSettings& settings);
void RunExplorerLinkageCase(const CaseSettings& settings);
void RunExplorerHungCase(const CaseSettings& settings);
void RunShortcutsCase(const CaseSettings& settings);
void RunPrivateBinsCase(const CaseSettings& settings);
void RunAboutBoxCase(const CaseSettings& settings);
void RunHelpNotFoundCase(const CaseSettings& settings);
void RunHelpViewerCase(const CaseSettings& settings);
void RunCompactViewCase(const CaseSettings& settings);
void RunTrayResidenceCase(const CaseSettings& settings);
void RunTabLayoutCase(const CaseSettings& settings);
void RunDriveTableCase(const CaseSettings& settings);
void RunSlowBinCase(const CaseSettings& settings);
void RunLatePagesCase(const CaseSettings& settings);

}  // namespace zubolo::e2e
