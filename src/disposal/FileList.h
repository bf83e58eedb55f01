#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zubolo {

// Dropped and passed files travel to the drop policy as one text in which every path is followed
// by "\r\n", in arrival order; duplicates stay and nothing is sorted.
std::u16string FileListText(const std::vector<std::u16string>& paths);

// The paths of such a text, one per line; the line break at the very end yields no empty entry.
std::vector<std::u16string> SplitFileList(std::u16string_view text);

}  // namespace zubolo
