// The one-second tick and the linkage switch: the clock in status panel 0 and, while the linkage
// is on, the Recycle Bin reading in panel 1, the application title, the Explorer window's caption
// and the tray hint, and the drive table kept in step with the set of drives and with every change
// of the bin. The bin is read on the reading thread; its answer arrives in WholeBinRead.
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/AppTexts.h"
#include "mainwindow/ZuboloForm.h"
#include "monitor/RecycleBinMonitor.h"
#include "monitor/StatusTexts.h"

namespace zubolo {

bool TZuboloForm::LinkageOn() const {
    return !ButtonStart.Enabled() && ButtonStop.Enabled();
}

void TZuboloForm::Timer1Timer() {
    const Locale& locale = Services.locale;
    StatusBar1.SetPanelText(
        0, ClockText(Services.clock.Now(), locale.DateSeparator(), locale.TimeSeparator()));

    if (!LinkageOn()) {
        App.SetTitle(std::u16string(AppDisplayName));
    } else {
        // A drive came or went: only the number of drives is compared, not their letters.
        if (ListView1.Items().size() != Services.drives.LogicalDriveStrings().size()) {
            RebuildDriveList();
            RefreshDriveStatistics();
        }
        if (Readings.TryBegin(ReadingKind::WholeBin)) {
            Services.diskQueries.Ask(
                {{DiskQuestion::Kind::RecycleBin, std::nullopt}},
                [this](std::vector<DiskAnswer> answers) {
                    WholeBinRead(answers.empty() ? RecycleBinQuery{} : answers.front().bin);
                });
        }
    }

    // With the main window in front the notification-area icon is not needed. Before the window
    // exists its handle is 0, which must not match "no foreground window".
    if (TrayIcon1.Visible() && Handle() && Services.windows.Foreground() == Handle()) {
        TrayIcon1.SetVisible(false);
    }
}

void TZuboloForm::WholeBinRead(const RecycleBinQuery& query) {
    const bool driveTableWaits = Readings.End();
    // The linkage may have been switched off while the bin was read.
    if (LinkageOn()) {
        const BinReading reading =
            CompareWholeBin(Monitor, query, UserNumberSeparators(Services.locale));
        if (!reading.ok) {
            StatusBar1.SetPanelText(1, std::u16string(AppDisplayName));
            if (TrayIcon1.Visible()) TrayIcon1.SetHint(std::u16string(AppDisplayName));
        } else {
            if (reading.changed) {
                StatusBar1.SetPanelText(1, reading.text);
                if (reading.emptied || reading.turnedFull) {
                    CaptureBinIcon(Linkage, Services.windows, reading.emptied);
                }
                App.SetTitle(reading.text);
                RefreshDriveStatistics();
            }
            UpdateLinkedWindowTitle(StatusBar1.PanelText(1));
            if (TrayIcon1.Visible()) TrayIcon1.SetHint(App.Title());
        }
    }
    if (driveTableWaits && !Readings.UnderWay()) RefreshDriveStatistics();
}

void TZuboloForm::ButtonStartClick() {
    ButtonStart.SetEnabled(false);
    ButtonStop.SetEnabled(true);
    Monitor.ForceNextChange();
    RebuildDriveList();
}

void TZuboloForm::SetBinButtonImages(bool full) {
    ButtonOpenRb.SetImage(&ImageListBin, full ? BinFullImage : BinEmptyImage);
    ButtonOpen2.SetImageIndex(full ? Open2FullImage : Open2EmptyImage);
}

}  // namespace zubolo
