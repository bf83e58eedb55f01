#include <cstdint>
#include <random>
#include <string_view>

#include "mainwindow/AppTexts.h"
#include "mainwindow/FormSettings.h"
#include "mainwindow/ZuboloForm.h"

namespace zubolo {

namespace {

constexpr std::u16string_view CloseQuestion = u"終了してよいですか？";

}  // namespace

void TZuboloForm::FormCreate() {
    App.SetTitle(std::u16string(AppDisplayName));
    Timer1Timer();  // the clock and the first reading exist before the window is shown
    AppStartTime1 = Services.clock.Now();
    App.OnMinimize = [this] { AppMinimize(); };
    App.OnRestore = [this] { AppRestore(); };
    SetCaption(std::u16string(AppDisplayName));
    App.SetTitle(std::u16string(AppDisplayName));
    ApplySettingsFile(*this);
    FQueryEndSession = false;
    App.SetShowHints(CheckBoxShowHint.Checked());
    const LocalDateTime now = Services.clock.Now();
    std::seed_seq seed{now.year,   now.month,  now.day,        now.hour,
                       now.minute, now.second, now.millisecond};
    Random.seed(seed);
    PageControl1.SetActivePage(TabSheetStatus);
    StatusBar1.SetPanelWidth(0, Services.frame.TextWidth(Handle(), StatusBar1.PanelText(0)));
    App.OnMessage = [this](const QueuedMessage& message) { return AppMessage(message); };
    Services.frame.AcceptDroppedFiles(Handle(), true);
    TabSheetDevelop.SetTabVisible(false);
    TabSheetDevelop.SetVisible(false);
    Memo1.SetVisible(false);
    // The tab width counts the visible tabs, one fewer now.
    PageControl1Resize();
    // The drop policy read from the settings file applies to files named on the command line.
    ProcessCommandLineFiles();
    RefreshDriveStatistics();
    GridPanel5.SetAlign(Align::Client);
    GridPanel5.SetMargins({3, 3, 3, 3});
}

void TZuboloForm::FormCloseQuery(bool& CanClose) {
    if (FQueryEndSession) {
        // Logoff or shutdown is waiting for the answer: no question.
        FQueryEndSession = false;
    } else if (CheckBoxCloseQuery.Checked() &&
               Services.boxes.Ask(Services.frame.Owner(Handle()), CloseQuestion, AppDisplayName,
                                  BoxStyle::YesNo | BoxStyle::IconQuestion) == BoxAnswer::No) {
        CanClose = false;
        return;
    }
    ButtonStopClick();
    WriteSettingsFile(*this, Services.frame.Placement(Handle()));
    ButtonStopClick();
    if (TrayIcon1.Visible()) TrayIcon1.SetVisible(false);
}

bool TZuboloForm::CloseQuery() {
    bool canClose = true;
    FormCloseQuery(canClose);
    return canClose;
}

bool TZuboloForm::WMQueryEndSession() {
    FQueryEndSession = true;
    return CloseQuery();
}

void TZuboloForm::CMShowingChanged(bool showing) {
    if (!showing) return;
    SetEnabled(true);
    Services.frame.Repaint(Handle());
    if (CheckBoxAutoWidth.Checked()) {
        // The columns' new widths reach the list in one go.
        const ListUpdate batch(ListView1);
        AdjustColumnWidths();
    }
}

bool TZuboloForm::AppMessage(const QueuedMessage& message) {
    if (message.window != Handle() || message.message != WindowMessage::DropFiles) return false;
    // The drop is handled first, boxes and all; a minimized program comes back afterwards.
    HandleDroppedFiles(NativeHandle{message.wParam});
    Services.frame.RestoreApplication(Handle());
    return true;
}

}  // namespace zubolo
