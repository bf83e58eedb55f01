#pragma once

namespace zubolo {

struct ShellContext;

// The web pages of the program and its maker, opened in the default browser; a failure is
// reported in the notice box.
void OpenDownloadPage(const ShellContext& shell);
void OpenMakerSupportPage(const ShellContext& shell);
void OpenMakerHomePage(const ShellContext& shell);

}  // namespace zubolo
