#include "about/AboutBox.h"

namespace zubolo {

AboutBackground PickAboutBackground(std::mt19937& random) {
    std::uniform_int_distribution<std::uint32_t> colours(0, 0xFFFFFE);
    const std::uint32_t colour = colours(random);
    return {colour, colour % 2 == 0};
}

// The frame is counted whole: both borders across, the caption bar and both borders down. That
// overshoots the client area's corner by a border, which the thirds of the button absorb: the
// point lies on the button on any frame thinner than a third of it.
ScreenPoint AboutCursorPoint(const ScreenRect& box, int boxClientWidth, int boxClientHeight,
                             const ScreenPoint& okTopLeft, int okClientWidth, int okClientHeight) {
    return {box.left + (box.Width() - boxClientWidth) + okTopLeft.x + 2 * okClientWidth / 3,
            box.top + (box.Height() - boxClientHeight) + okTopLeft.y + okClientHeight / 3};
}

}  // namespace zubolo
