// The Recycle Bin monitor: the main window's one-second tick and the start of the linkage.
#include <optional>
#include <string>

#include "mainwindow/AppTexts.h"
#include "mainwindow/ZuboloForm.h"
#include "monitor/MonitorState.h"
#include "monitor/StatusTexts.h"

namespace zubolo {
namespace {

// Stored in PrevCount so that the next reading counts as a change.
constexpr std::uint64_t ForcedChangeCount = 2147483647;

// Picture indices of the open-recycle-bin buttons.
constexpr int BinEmptyImage = 0;  // ImageListBin
constexpr int BinFullImage = 1;
constexpr int Open2EmptyImage = 2;  // ImageList0
constexpr int Open2FullImage = 3;

// Panel 1, the application title and the tray hint after a successful query. A reading equal to
// the one shown last leaves panel 1 and the title alone.
void ShowReading(TZuboloForm& form, std::uint64_t count, std::uint64_t size) {
    if (count != form.PrevCount || size != form.PrevSize) {
        form.StatusBar1.SetPanelText(
            1, RecycleBinText(count, size, UserNumberSeparators(form.Services.locale)));
        // The linked Explorer window's icon now shows the empty bin, or has just turned full.
        MonitorState& monitor = form.Monitor;
        if (count == 0) {
            monitor.hEmptyBinIcon = form.Services.windows.SmallIcon(monitor.hLinkedWindow);
        } else if (form.PrevCount == 0) {
            monitor.hFullBinIcon = form.Services.windows.SmallIcon(monitor.hLinkedWindow);
        }
        form.App.SetTitle(form.StatusBar1.PanelText(1));
        form.PrevCount = count;
        form.PrevSize = size;
    }
    form.Monitor.LastItemCount = LowItemCount(count);
    if (form.TrayIcon1.Visible()) form.TrayIcon1.SetHint(form.App.Title());
}

// A failed query shows the program's name and forgets nothing: the next success compares with
// the reading from before the failure.
void ShowFailedQuery(TZuboloForm& form) {
    form.StatusBar1.SetPanelText(1, std::u16string(AppDisplayName));
    if (form.TrayIcon1.Visible()) form.TrayIcon1.SetHint(std::u16string(AppDisplayName));
}

}  // namespace

bool TZuboloForm::LinkageOn() const {
    return !ButtonStart.Enabled() && ButtonStop.Enabled();
}

void TZuboloForm::Timer1Timer() {
    const Locale& locale = Services.locale;
    StatusBar1.SetPanelText(
        0, ClockText(Services.clock.Now(), locale.DateSeparator(), locale.TimeSeparator()));

    if (!LinkageOn()) {
        App.SetTitle(std::u16string(AppDisplayName));
    } else if (const RecycleBinQuery bin = Services.recycleBin.Query(std::nullopt); bin.ok) {
        ShowReading(*this, bin.itemCount, bin.totalSize);
    } else {
        ShowFailedQuery(*this);
    }

    // With the main window in front the notification-area icon is not needed. Before the window
    // exists its handle is 0, which must not match "no foreground window".
    if (TrayIcon1.Visible() && Handle() && Services.windows.Foreground() == Handle()) {
        TrayIcon1.SetVisible(false);
    }
}

void TZuboloForm::ButtonStartClick() {
    ButtonStart.SetEnabled(false);
    ButtonStop.SetEnabled(true);
    PrevCount = ForcedChangeCount;
}

void TZuboloForm::SetBinButtonImages(bool full) {
    ButtonOpenRb.SetImage(&ImageListBin, full ? BinFullImage : BinEmptyImage);
    ButtonOpen2.SetImageIndex(full ? Open2FullImage : Open2EmptyImage);
}

}  // namespace zubolo
