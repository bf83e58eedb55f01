// The About box: the program's identity and run-time facts over a random gradient, its icon a
// link to the program's download page.
#include "about/AboutBox.h"
#include "about/AboutText.h"
#include "about/MakerInfo.h"
#include "about/WebPages.h"
#include "mainwindow/AppTexts.h"
#include "mainwindow/FormShellContext.h"
#include "mainwindow/ZuboloForm.h"

namespace zubolo {
namespace {

// The About box shows its icon's hint whatever the user chose for the main window: the
// application-wide hint switch is on while the box is open and returns to its earlier value
// when the box closes, however it closes.
class HintsOnWhileOpen {
  public:
    explicit HintsOnWhileOpen(Application& app) : app_(app), before_(app.ShowHints()) {
        app_.SetShowHints(true);
    }
    ~HintsOnWhileOpen() { app_.SetShowHints(before_); }
    HintsOnWhileOpen(const HintsOnWhileOpen&) = delete;
    HintsOnWhileOpen& operator=(const HintsOnWhileOpen&) = delete;

  private:
    Application& app_;
    bool before_;
};

}  // namespace

void TZuboloForm::ButtonAboutClick() {
    const AboutSources sources{Services.paths, Services.versions, Services.display, Services.clock,
                               Services.locale};
    AboutBoxContent content;
    content.caption = Caption();
    content.text =
        JoinAboutText(AboutTextLines(GatherAboutFacts(sources, AppVersion, AppStartTime1)));
    content.iconHint = DownloadPageUrl;
    content.iconClicked = [this](WindowHandle box) {
        ShellContext shell = FormShellContext(*this);
        shell.owner = box;
        OpenDownloadPage(shell);
    };
    content.nextBackground = [this] { return PickAboutBackground(Random); };

    const HintsOnWhileOpen hints(App);
    Services.aboutBoxes.ShowModal(Handle(), content);
}

}  // namespace zubolo
