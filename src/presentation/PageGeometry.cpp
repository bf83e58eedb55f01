#include "presentation/PageGeometry.h"

#include <algorithm>

namespace zubolo {

int FixedTabWidth(int pageControlWidth, int visibleTabs) {
    return pageControlWidth / (std::max(visibleTabs, 0) + 1);
}

int CenteredLeftMargin(int gridWidth, int columns, int checkBoxWidth) {
    if (columns <= 0) return 0;
    return std::max(0, (gridWidth / columns - checkBoxWidth) / 2);
}

}  // namespace zubolo
