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

}  // namespace zubolo::e2e
