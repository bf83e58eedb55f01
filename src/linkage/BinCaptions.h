#pragma once
#include <string_view>

namespace zubolo {

// The caption of an Explorer window that shows the Recycle Bin, and the one a linked window gets
// back when the linkage ends.
inline constexpr std::u16string_view RecycleBinCaption = u"ごみ箱";
// The other caption Explorer gives such a window.
inline constexpr std::u16string_view RecycleBinExplorerCaption = u"ごみ箱 - エクスプローラー";

// True for a caption of the form the linkage writes when the thousands separator is a comma:
// "(", one or more digits or commas, ") ", then any number of digits or commas and nothing else,
// such as "(1,234) 5,678,901". The first ") " ends the count.
bool IsCountedBinTitle(std::u16string_view caption);

// True for the captions of a window that shows the bin: "ごみ箱", "ごみ箱 - エクスプローラー" or
// a counted caption written by the linkage.
bool IsRecycleBinWindowCaption(std::u16string_view caption);

}  // namespace zubolo
