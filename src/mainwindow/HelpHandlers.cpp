// The help page's commands that open the help file and the maker's web pages. The shell reports
// a page that cannot be opened itself.
#include "about/HelpFile.h"
#include "about/WebPages.h"
#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

void TZuboloForm::ButtonHelpClick() {
    OpenHelpFile(FormShellContext(*this), Services.files, Services.paths.ProgramFilePath());
}

void TZuboloForm::ButtonDonationClick() {
    OpenMakerSupportPage(FormShellContext(*this));
}

void TZuboloForm::ButtonHomeSiteClick() {
    OpenMakerHomePage(FormShellContext(*this));
}

}  // namespace zubolo
