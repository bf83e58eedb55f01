#include "linkage/ExplorerLink.h"

#include <string>

#include "linkage/BinCaptions.h"

namespace zubolo {
namespace {

// The window class of an Explorer folder window, compared with its letter case.
constexpr std::u16string_view ExplorerWindowClass = u"CabinetWClass";

void WriteCaption(const LinkageContext& context, std::u16string_view text) {
    if (!text.empty()) context.windows.SetText(context.link.hLinkedWindow, text);
}

}  // namespace

void CaptureBinIcon(ExplorerLink& link, TopLevelWindows& windows, bool binEmpty) {
    (binEmpty ? link.hEmptyBinIcon : link.hFullBinIcon) = windows.SmallIcon(link.hLinkedWindow);
}

bool FindRecycleBinWindowProc(const LinkageContext& context, WindowHandle window) {
    TopLevelWindows& windows = context.windows;
    if (!windows.IsVisible(window) || window == context.ownWindow) return true;
    if (windows.ClassName(window) != ExplorerWindowClass) return true;
    const std::u16string caption = windows.Text(window);
    if (caption.empty() || !IsRecycleBinWindowCaption(caption)) return true;

    context.link.hLinkedWindow = window;
    const bool binEmpty = context.lastItemCount == 0;
    CaptureBinIcon(context.link, windows, binEmpty);
    context.setBinButtonImages(!binEmpty);
    return false;
}

void UpdateLinkedWindowTitle(const LinkageContext& context, std::u16string_view text) {
    bool found = false;
    context.windows.Enumerate([&](WindowHandle window) {
        found = !FindRecycleBinWindowProc(context, window);
        return !found;
    });
    if (!found) return;

    ExplorerLink& link = context.link;
    const IconHandle icon = context.windows.SmallIcon(link.hLinkedWindow);
    if (icon == link.hFolderIcon) return;
    if (icon == link.hEmptyBinIcon && context.lastItemCount == 0) {
        WriteCaption(context, text);
        context.setBinButtonImages(false);
    } else if (icon == link.hFullBinIcon && context.lastItemCount > 0) {
        WriteCaption(context, text);
        context.setBinButtonImages(true);
    } else {
        link.hFolderIcon = icon;
        WriteCaption(context, text);
    }
}

void RestoreUsualCaption(const ExplorerLink& link, TopLevelWindows& windows) {
    if (!link.hLinkedWindow) return;
    const IconHandle icon = windows.SmallIcon(link.hLinkedWindow);
    if (icon == link.hEmptyBinIcon || icon == link.hFullBinIcon) {
        windows.SetText(link.hLinkedWindow, RecycleBinCaption);
    }
}

}  // namespace zubolo
