#pragma once
#include <functional>
#include <string_view>
#include <vector>

namespace zubolo {

// The width of a column measured as text: the widest of its header caption and its cells, each
// measured by `textWidth`, with no margin added.
int WidestText(std::u16string_view header, const std::vector<std::u16string_view>& cells,
               const std::function<int(std::u16string_view)>& textWidth);

}  // namespace zubolo
