#pragma once
#include "platform/Handles.h"
#include "platform/TopLevelWindows.h"

namespace zubolo {

// The Explorer window that shows the Recycle Bin, and its small icon as seen while the bin was
// empty and while it held items: one set for the process, all zero at start.
struct ExplorerLink {
    WindowHandle hLinkedWindow;
    IconHandle hEmptyBinIcon;
    IconHandle hFullBinIcon;
};

// Remembers the linked window's icon of this moment as the empty-bin or the full-bin icon.
void CaptureBinIcon(ExplorerLink& link, TopLevelWindows& windows, bool binEmpty);

// Gives a linked window that still shows a bin icon its usual caption back. A window navigated
// elsewhere keeps whatever it shows now.
void RestoreUsualCaption(const ExplorerLink& link, TopLevelWindows& windows);

}  // namespace zubolo
