#include "mainwindow/ZuboloForm.h"

namespace zubolo {
namespace {

// The caption of an Explorer window that shows the Recycle Bin; written back when the linkage
// ends.
constexpr std::u16string_view RecycleBinCaption = u"ごみ箱";

}  // namespace

void TZuboloForm::ButtonStopClick() {
    ButtonStart.SetEnabled(true);
    ButtonStop.SetEnabled(false);
    ListView1.ClearItems();
    StatusBar1.SetPanelText(1, u"");
    if (Monitor.hLinkedWindow) {
        // A window that still shows a bin icon still shows the Recycle Bin: it gets its usual
        // caption back. One navigated elsewhere keeps whatever it shows now.
        const IconHandle icon = Services.windows.SmallIcon(Monitor.hLinkedWindow);
        if (icon == Monitor.hEmptyBinIcon || icon == Monitor.hFullBinIcon) {
            Services.windows.SetText(Monitor.hLinkedWindow, RecycleBinCaption);
        }
    }
    PrevCount = 0;
    Services.frame.ProcessPendingMessages();
}

}  // namespace zubolo
