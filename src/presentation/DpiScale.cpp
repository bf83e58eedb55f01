#include "presentation/DpiScale.h"

#include <cstdint>

namespace zubolo {
namespace {

constexpr int DesignDpi = 96;

int UsableDpi(int dpi) {
    return dpi > 0 ? dpi : DesignDpi;
}

// value * numerator / denominator, rounded half away from zero, without overflow on the way.
int MulDivRounded(int value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

int ToDevicePixels(int designPixels, int dpi) {
    return MulDivRounded(designPixels, UsableDpi(dpi), DesignDpi);
}

int ToDesignPixels(int devicePixels, int dpi) {
    return MulDivRounded(devicePixels, DesignDpi, UsableDpi(dpi));
}

}  // namespace zubolo
