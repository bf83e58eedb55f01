#pragma once
#include <vector>

#include "ui/Control.h"
#include "ui/Geometry.h"

namespace zubolo {

// What the layout needs from the window system: the scale of design pixels and the inner area
// of containers whose frame depends on the font (group boxes, the tab control's page area).
class LayoutMetrics {
  public:
    virtual ~LayoutMetrics() = default;
    virtual int Scale(int designPixels) const = 0;
    // The area left for the children of `container`, whose bounds are `bounds`.
    virtual Rect ContentArea(const Control& container, const Rect& bounds) const = 0;
};

// Forms and tab sheets are real windows that hold their children: the bounds of everything
// inside them are relative to their client area. Everything else is placed in the coordinates
// of the nearest such host.
bool IsLayoutHost(const Control& control);

// Places `control` at `bounds` (in its host's coordinates) and lays out its children.
void LayoutControl(Control& control, const Rect& bounds, const LayoutMetrics& metrics);

enum class ResizeEvents {
    Changed,  // only controls whose size changed
    Every,    // every control: the resolution changed, and with it what the handlers compute
};

// Lays out the window `root` in its client area, then runs the OnResize of the controls whose
// size the layout changed (or of every control), in tree order; when a handler ran, the controls
// are laid out once more so that what it changed shows. Handlers see every control at its new
// place.
void LayoutWindow(Control& root, const Rect& client, const LayoutMetrics& metrics,
                  ResizeEvents events = ResizeEvents::Changed);

// Splits `length` into parts by percentages; the parts always add up to `length`.
std::vector<int> SplitByPercent(int length, const std::vector<double>& percents);

// The rectangle of each item of a radio group laid out in `columns` columns, filled column by
// column, inside `area`.
std::vector<Rect> RadioItemRects(const Rect& area, int count, int columns);

}  // namespace zubolo
