#include <gtest/gtest.h>

#include <cmath>

#include "ui/Controls.h"
#include "ui/Layout.h"

namespace zubolo {
namespace {

class ScaledMetrics : public LayoutMetrics {
  public:
    explicit ScaledMetrics(double scale) : scale_(scale) {}
    int Scale(int designPixels) const override {
        return static_cast<int>(std::lround(designPixels * scale_));
    }
    Rect ContentArea(const Control& container, const Rect& bounds) const override {
        if (container.Kind() != ControlKind::GroupBox) return bounds;
        return {bounds.left + 2, bounds.top + 15, bounds.right - 2, bounds.bottom - 2};
    }

  private:
    double scale_;
};

TEST(SplitByPercent, PartsAlwaysFillTheLength) {
    struct Case {
        int length;
        std::vector<double> percents;
        std::vector<int> expected;
    };
    for (const Case& c :
         {Case{100, {50, 50}, {50, 50}}, Case{100, {33.33, 33.33, 33.34}, {33, 34, 33}},
          Case{7, {33.33, 33.33, 33.34}, {2, 3, 2}}, Case{0, {50, 50}, {0, 0}}}) {
        EXPECT_EQ(SplitByPercent(c.length, c.percents), c.expected) << c.length;
    }
}

TEST(Layout, BottomStripThenClientFillThenGridCellsWithMargins) {
    Control form(ControlKind::Form, u"Form");
    StatusBar status(u"Status");
    GridPanel grid(u"Grid");
    GroupBox group(u"Group");
    Button left(u"Left"), right(u"Right");
    form.Add(status);
    status.SetAlign(Align::Bottom);
    status.SetDesignBounds({0, 0, 0, 20});
    form.Add(grid);
    grid.SetAlign(Align::Client);
    grid.SetGrid({50, 50}, {100});
    grid.SetPadding(2);
    grid.Add(left);
    left.PlaceInCell({0, 0});
    left.SetMargins({3, 3, 3, 3});
    grid.Add(group);
    group.PlaceInCell({1, 0});
    group.Add(right);
    right.SetAlign(Align::Client);

    LayoutControl(form, {0, 0, 400, 200}, ScaledMetrics(1.5));

    EXPECT_EQ(status.Bounds(), (Rect{0, 170, 400, 200}));
    EXPECT_EQ(grid.Bounds(), (Rect{0, 0, 400, 170}));
    // Padding 3 device pixels, then a 197-wide column; margins of 5 (3 design pixels at 150 %).
    EXPECT_EQ(left.Bounds(), (Rect{8, 8, 195, 162}));
    EXPECT_EQ(group.Bounds(), (Rect{200, 3, 397, 167}));
    EXPECT_EQ(right.Bounds(), (Rect{202, 18, 395, 165})) << "inside the group box frame";
}

TEST(Layout, ChildrenOfATabSheetAreInTheSheetsOwnCoordinates) {
    Control form(ControlKind::Form, u"Form");
    TabSheet sheet(u"Sheet");
    Button button(u"Button");
    form.Add(sheet);
    sheet.SetAlign(Align::Client);
    sheet.SetMargins({10, 10, 10, 10});
    sheet.Add(button);
    button.SetDesignBounds({3, 16, 53, 36});

    LayoutControl(form, {0, 0, 200, 100}, ScaledMetrics(2.0));

    EXPECT_EQ(sheet.Bounds(), (Rect{20, 20, 180, 80}));
    EXPECT_EQ(button.Bounds(), (Rect{6, 32, 106, 72}));
}

// A grid whose resize handler centres a check box of its own width in the right column, as the
// help page does with "Show Hint".
struct CentringGrid {
    Control form{ControlKind::Form, u"Form"};
    GridPanel grid{u"Grid"};
    CheckBox box{u"Box"};
    int resized = 0;

    CentringGrid() {
        form.Add(grid);
        grid.SetAlign(Align::Client);
        grid.SetGrid({50, 50}, {100});
        grid.Add(box);
        box.PlaceInCell({1, 0});
        box.SetAlign(Align::CellLeft);
        box.SetDesignBounds({0, 0, 40, 0});
        box.SetMargins({0, 3, 3, 3});
        grid.OnResize = [this] {
            ++resized;
            const int deviceMargin = (grid.Bounds().Width() / 2 - box.Bounds().Width()) / 2;
            box.SetMargins({deviceMargin / 2, 3, 3, 3});  // design pixels, laid out at 200 %
        };
    }
};

TEST(LayoutWindow, ResizeHandlersSeeTheNewLayoutAndWhatTheyChangeShowsAtOnce) {
    CentringGrid g;
    const ScaledMetrics metrics(2.0);
    LayoutWindow(g.form, {0, 0, 400, 100}, metrics);
    EXPECT_EQ(g.resized, 1);
    // Right column 200..400, margin (200 - 80) / 2 = 60, the box at its own width.
    EXPECT_EQ(g.box.Bounds(), (Rect{260, 6, 340, 94}));

    LayoutWindow(g.form, {0, 0, 400, 100}, metrics);
    EXPECT_EQ(g.resized, 1) << "same size: no event";
    LayoutWindow(g.form, {0, 0, 400, 100}, metrics, ResizeEvents::Every);
    EXPECT_EQ(g.resized, 2) << "a new resolution runs every handler";

    LayoutWindow(g.form, {0, 0, 600, 100}, metrics);
    EXPECT_EQ(g.resized, 3);
    EXPECT_EQ(g.box.Bounds(), (Rect{410, 6, 490, 94}));
}

TEST(RadioItemRects, FillsColumnByColumn) {
    const auto rects = RadioItemRects({0, 0, 100, 60}, 3, 2);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0], (Rect{0, 0, 50, 30}));
    EXPECT_EQ(rects[1], (Rect{0, 30, 50, 60}));
    EXPECT_EQ(rects[2], (Rect{50, 0, 100, 30}));
}

}  // namespace
}  // namespace zubolo
