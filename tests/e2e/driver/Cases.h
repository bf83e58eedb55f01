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
void RunDriveTableCase(const CaseSettings& settings);

}  // namespace zubolo::e2e
