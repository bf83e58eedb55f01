#include "mainwindow/AppTexts.h"
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

void TZuboloForm::FormCreate() {
    App.SetTitle(std::u16string(AppDisplayName));
    SetCaption(std::u16string(AppDisplayName));
    PageControl1.SetActivePage(TabSheetStatus);
    TabSheetDevelop.SetTabVisible(false);
    TabSheetDevelop.SetVisible(false);
    Memo1.SetVisible(false);
    GridPanel5.SetAlign(Align::Client);
    GridPanel5.SetMargins({3, 3, 3, 3});
}

}  // namespace zubolo
