#include "linkage/BinCaptions.h"

#include <algorithm>

namespace zubolo {
namespace {

bool DigitsAndCommas(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char16_t c) { return (c >= u'0' && c <= u'9') || c == u','; });
}

}  // namespace

bool IsCountedBinTitle(std::u16string_view caption) {
    if (!caption.starts_with(u'(')) return false;
    const std::size_t close = caption.find(u") ");
    if (close == std::u16string_view::npos) return false;
    const std::u16string_view count = caption.substr(1, close - 1);
    return !count.empty() && DigitsAndCommas(count) && DigitsAndCommas(caption.substr(close + 2));
}

bool IsRecycleBinWindowCaption(std::u16string_view caption) {
    return caption == RecycleBinCaption || caption == RecycleBinExplorerCaption ||
           IsCountedBinTitle(caption);
}

}  // namespace zubolo
