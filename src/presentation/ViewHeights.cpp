#include "presentation/ViewHeights.h"

#include "presentation/DpiScale.h"

namespace zubolo {

bool IsCompactView(int clientHeight, int statusBarHeight) {
    return clientHeight == statusBarHeight;
}

int CompactOuterHeight(int outerHeight, int clientHeight, int statusBarHeight) {
    const int nonClientHeight = outerHeight - clientHeight;
    return nonClientHeight + statusBarHeight;
}

int DetailedOuterHeight(std::int32_t keptHeight, int designHeight, int dpi) {
    if (keptHeight > 0) return keptHeight;
    return ToDevicePixels(designHeight, dpi);
}

}  // namespace zubolo
