#include "about/WebPages.h"

#include "about/MakerInfo.h"
#include "shell/ShellRoutines.h"

namespace zubolo {

void OpenDownloadPage(const ShellContext& shell) {
    ShellOpen(shell, DownloadPageUrl);
}

void OpenMakerSupportPage(const ShellContext& shell) {
    ShellOpen(shell, MakerSupportPageUrl);
}

void OpenMakerHomePage(const ShellContext& shell) {
    ShellOpen(shell, MakerHomePageUrl);
}

}  // namespace zubolo
