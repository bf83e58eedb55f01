#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/Handles.h"
#include "platform/TopLevelWindows.h"

namespace zubolo {

// The Explorer window that shows the Recycle Bin, and its small icon as seen while the bin was
// empty and while it held items: one set for the process, all zero at start.
struct ExplorerLink {
    WindowHandle hLinkedWindow{};
    IconHandle hEmptyBinIcon{};
    IconHandle hFullBinIcon{};
    // An icon of the linked window that matched neither bin icon when its caption was last
    // written: the window shows some other folder, and while it does its caption is left alone.
    IconHandle hFolderIcon{};
};

// What the search for the Explorer window and the caption update work with.
struct LinkageContext {
    ExplorerLink& link;
    TopLevelWindows& windows;
    // The application window, which is never linked.
    WindowHandle ownWindow;
    // The whole bin's item count as last read: 0 makes a newly linked window's icon the
    // empty-bin icon, anything else the full-bin icon.
    std::int32_t lastItemCount;
    // Shows the empty (false) or the full (true) bin on the open-recycle-bin buttons.
    std::function<void(bool full)> setBinButtonImages;
};

// Remembers the linked window's icon of this moment as the empty-bin or the full-bin icon.
void CaptureBinIcon(ExplorerLink& link, TopLevelWindows& windows, bool binEmpty);

// One step of the search for each top-level window, in enumeration order: a visible window of
// class "CabinetWClass" (not the application's own) whose caption shows the bin is linked, its
// icon captured and the buttons set, and the search ends (false). Any other window: true, go on.
bool FindRecycleBinWindowProc(const LinkageContext& context, WindowHandle window);

// Runs the search, then writes `text` into the linked window's caption. The window's icon of
// this moment decides: the bin icon that fits the item count also sets the buttons; an icon that
// fits neither is remembered as a folder's icon, and while the window shows that icon its caption
// is left alone. No window found: nothing is written. An empty text is never written: the window
// would lose its caption and could not be found again.
void UpdateLinkedWindowTitle(const LinkageContext& context, std::u16string_view text);

// Gives a linked window that still shows a bin icon its usual caption back. A window navigated
// elsewhere keeps whatever it shows now.
void RestoreUsualCaption(const ExplorerLink& link, TopLevelWindows& windows);

}  // namespace zubolo
