#include "drives/ColumnWidths.h"

#include <algorithm>

namespace zubolo {

int WidestText(std::u16string_view header, const std::vector<std::u16string_view>& cells,
               const std::function<int(std::u16string_view)>& textWidth) {
    int widest = textWidth(header);
    for (std::u16string_view cell : cells) widest = std::max(widest, textWidth(cell));
    return widest;
}

}  // namespace zubolo
