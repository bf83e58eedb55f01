// The detailed and the compact view, read off the client height; the fixed tab width and the
// centring of "Show Hint", run whenever the window's layout changes their controls' sizes.
#include "mainwindow/ZuboloForm.h"
#include "presentation/DpiScale.h"
#include "presentation/PageGeometry.h"
#include "presentation/ViewHeights.h"

namespace zubolo {

bool TZuboloForm::CompactView() const {
    return IsCompactView(Services.presentation.ClientHeight(Handle()),
                         StatusBar1.Bounds().Height());
}

void TZuboloForm::StatusBar1Click() {
    if (CompactView()) {
        Pm4SpreadClick();
    } else {
        Pm4ShrinkClick();
    }
}

void TZuboloForm::Pm4ShrinkClick() {
    WindowPresentation& window = Services.presentation;
    // Already compact: the height kept for the detailed view stays, or 詳細表示 could never
    // bring the pages back.
    if (!CompactView()) {
        const int outerHeight = window.OuterHeight(Handle());
        OriginHeight1 = outerHeight;
        window.SetOuterHeight(Handle(),
                              CompactOuterHeight(outerHeight, window.ClientHeight(Handle()),
                                                 StatusBar1.Bounds().Height()));
    }
    Pm4Shrink.SetChecked(true);
}

void TZuboloForm::Pm4SpreadClick() {
    WindowPresentation& window = Services.presentation;
    window.SetOuterHeight(Handle(),
                          DetailedOuterHeight(OriginHeight1, DesignHeight, window.Dpi(Handle())));
    Pm4Spread.SetChecked(true);
}

void TZuboloForm::PageControl1Resize() {
    PageControl1.SetTabWidth(FixedTabWidth(PageControl1.Bounds().Width(),
                                           static_cast<int>(PageControl1.VisibleTabs().size())));
}

void TZuboloForm::GridPanel2Resize() {
    const int margin = CenteredLeftMargin(GridPanel2.Bounds().Width(),
                                          static_cast<int>(GridPanel2.ColumnPercents().size()),
                                          CheckBoxShowHint.Bounds().Width());
    Margins margins = CheckBoxShowHint.ControlMargins();
    // The layout keeps margins in design pixels.
    margins.left = ToDesignPixels(margin, Services.presentation.Dpi(Handle()));
    CheckBoxShowHint.SetMargins(margins);
}

}  // namespace zubolo
