#include "linkage/ExplorerLink.h"

#include <string_view>

namespace zubolo {
namespace {

// The caption of an Explorer window that shows the Recycle Bin.
constexpr std::u16string_view RecycleBinCaption = u"ごみ箱";

}  // namespace

void CaptureBinIcon(ExplorerLink& link, TopLevelWindows& windows, bool binEmpty) {
    (binEmpty ? link.hEmptyBinIcon : link.hFullBinIcon) = windows.SmallIcon(link.hLinkedWindow);
}

void RestoreUsualCaption(const ExplorerLink& link, TopLevelWindows& windows) {
    if (!link.hLinkedWindow) return;
    const IconHandle icon = windows.SmallIcon(link.hLinkedWindow);
    if (icon == link.hEmptyBinIcon || icon == link.hFullBinIcon) {
        windows.SetText(link.hLinkedWindow, RecycleBinCaption);
    }
}

}  // namespace zubolo
