#include "ui/Layout.h"

#include <algorithm>
#include <cmath>

#include "ui/Controls.h"

namespace zubolo {
namespace {

Rect Shrink(const Rect& rect, const Margins& margins, const LayoutMetrics& metrics) {
    return {rect.left + metrics.Scale(margins.left), rect.top + metrics.Scale(margins.top),
            rect.right - metrics.Scale(margins.right), rect.bottom - metrics.Scale(margins.bottom)};
}

Rect Offset(const Rect& rect, int dx, int dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

Rect GridCellRect(const GridPanel& grid, const Rect& area, const GridCell& cell) {
    const auto widths = SplitByPercent(area.Width(), grid.ColumnPercents());
    const auto heights = SplitByPercent(area.Height(), grid.RowPercents());
    auto edge = [](const std::vector<int>& sizes, int index) {
        const int clamped = std::clamp(index, 0, static_cast<int>(sizes.size()));
        int sum = 0;
        for (int i = 0; i < clamped; ++i) sum += sizes[i];
        return sum;
    };
    return {area.left + edge(widths, cell.column), area.top + edge(heights, cell.row),
            area.left + edge(widths, cell.column + cell.columnSpan),
            area.top + edge(heights, cell.row + cell.rowSpan)};
}

void LayoutChildren(Control& parent, Rect area, const LayoutMetrics& metrics) {
    const auto* grid =
        parent.Kind() == ControlKind::GridPanel ? static_cast<const GridPanel*>(&parent) : nullptr;
    const Rect gridArea = grid == nullptr ? area
                                          : Rect{area.left + metrics.Scale(grid->Padding()),
                                                 area.top + metrics.Scale(grid->Padding()),
                                                 area.right - metrics.Scale(grid->Padding()),
                                                 area.bottom - metrics.Scale(grid->Padding())};
    // Edge-aligned controls take their strips first, in the order they were added; the
    // client-aligned ones then share what is left.
    Rect rest = area;
    for (Control* child : parent.Children()) {
        const Margins& m = child->ControlMargins();
        const Rect& design = child->DesignBounds();
        if (child->Alignment() == Align::Bottom) {
            const int height = metrics.Scale(design.Height() + m.top + m.bottom);
            LayoutControl(
                *child,
                Shrink({rest.left, rest.bottom - height, rest.right, rest.bottom}, m, metrics),
                metrics);
            rest.bottom -= height;
        } else if (child->Alignment() == Align::Left) {
            const int width = metrics.Scale(design.Width() + m.left + m.right);
            LayoutControl(*child,
                          Shrink({rest.left, rest.top, rest.left + width, rest.bottom}, m, metrics),
                          metrics);
            rest.left += width;
        }
    }
    for (Control* child : parent.Children()) {
        const Margins& m = child->ControlMargins();
        switch (child->Alignment()) {
            case Align::Client:
                LayoutControl(*child, Shrink(rest, m, metrics), metrics);
                break;
            case Align::None: {
                const Rect& d = child->DesignBounds();
                const Rect placed{metrics.Scale(d.left), metrics.Scale(d.top),
                                  metrics.Scale(d.right), metrics.Scale(d.bottom)};
                LayoutControl(*child, Offset(placed, area.left, area.top), metrics);
                break;
            }
            case Align::Cell:
            case Align::CellLeft:
                if (grid != nullptr) {
                    Rect placed = Shrink(GridCellRect(*grid, gridArea, child->Cell()), m, metrics);
                    if (child->Alignment() == Align::CellLeft) {
                        placed.right = placed.left + metrics.Scale(child->DesignBounds().Width());
                    }
                    LayoutControl(*child, placed, metrics);
                }
                break;
            case Align::Bottom:
            case Align::Left:
                break;
        }
    }
}

struct PlacedSize {
    Control* control;
    int width;
    int height;
};

void CollectSizes(Control& control, std::vector<PlacedSize>& sizes) {
    sizes.push_back({&control, control.Bounds().Width(), control.Bounds().Height()});
    for (Control* child : control.Children()) CollectSizes(*child, sizes);
}

}  // namespace

void LayoutWindow(Control& root, const Rect& client, const LayoutMetrics& metrics,
                  ResizeEvents events) {
    std::vector<PlacedSize> before;
    CollectSizes(root, before);
    LayoutControl(root, client, metrics);
    bool fired = false;
    for (const PlacedSize& old : before) {
        const Rect& now = old.control->Bounds();
        const bool resized = now.Width() != old.width || now.Height() != old.height;
        if ((resized || events == ResizeEvents::Every) && old.control->OnResize) {
            old.control->OnResize();
            fired = true;
        }
    }
    // What the handlers changed (margins, for instance) takes its place at once.
    if (fired) LayoutControl(root, client, metrics);
}

bool IsLayoutHost(const Control& control) {
    return control.Kind() == ControlKind::Form || control.Kind() == ControlKind::TabSheet;
}

void LayoutControl(Control& control, const Rect& bounds, const LayoutMetrics& metrics) {
    control.SetBounds(bounds);
    const Rect own = IsLayoutHost(control) ? Rect{0, 0, bounds.Width(), bounds.Height()} : bounds;
    LayoutChildren(control, metrics.ContentArea(control, own), metrics);
}

std::vector<int> SplitByPercent(int length, const std::vector<double>& percents) {
    std::vector<int> sizes;
    double total = 0;
    int previousEdge = 0;
    for (double percent : percents) {
        total += percent;
        const int edge = static_cast<int>(std::lround(length * std::min(total, 100.0) / 100.0));
        sizes.push_back(edge - previousEdge);
        previousEdge = edge;
    }
    if (!sizes.empty() && total >= 99.9) sizes.back() += length - previousEdge;
    return sizes;
}

std::vector<Rect> RadioItemRects(const Rect& area, int count, int columns) {
    std::vector<Rect> rects;
    if (count <= 0) return rects;
    columns = std::clamp(columns, 1, count);
    const int rows = (count + columns - 1) / columns;
    const auto widths = SplitByPercent(area.Width(), std::vector<double>(columns, 100.0 / columns));
    const auto heights = SplitByPercent(area.Height(), std::vector<double>(rows, 100.0 / rows));
    for (int i = 0; i < count; ++i) {
        const int column = i / rows;
        const int row = i % rows;
        int left = area.left;
        for (int c = 0; c < column; ++c) left += widths[c];
        int top = area.top;
        for (int r = 0; r < row; ++r) top += heights[r];
        rects.push_back({left, top, left + widths[column], top + heights[row]});
    }
    return rects;
}

}  // namespace zubolo
