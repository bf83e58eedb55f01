#include <gtest/gtest.h>

#include "presentation/DpiScale.h"
#include "presentation/PageGeometry.h"
#include "presentation/ViewHeights.h"

namespace zubolo {
namespace {

TEST(PageGeometry, TabWidthAndCheckBoxMarginDropTheirRemainders) {
    struct Case {
        int width;
        int visibleTabs;
        int expectedTabWidth;
        int checkBoxWidth;
        int expectedMargin;  // in one of two columns
    };
    for (const Case& c : {
             Case{447, 4, 89, 80, 71},     // design size: 447 div 5; (223 - 80) div 2
             Case{900, 4, 180, 120, 165},  // widened, check box at 150 %
             Case{449, 4, 89, 80, 72},     // remainders dropped in both divisions
             Case{447, 5, 74, 80, 71},     // with a sixth tab visible
             Case{150, 4, 30, 80, 0},      // a column narrower than the box: at its left edge
             Case{0, 0, 0, 80, 0},
         }) {
        SCOPED_TRACE(c.width);
        EXPECT_EQ(FixedTabWidth(c.width, c.visibleTabs), c.expectedTabWidth);
        EXPECT_EQ(CenteredLeftMargin(c.width, 2, c.checkBoxWidth), c.expectedMargin);
    }
    EXPECT_EQ(CenteredLeftMargin(447, 0, 80), 0) << "no columns";
}

TEST(ViewHeights, CompactLeavesTheStatusBarAndDetailedFallsBackToTheScaledDesignHeight) {
    EXPECT_EQ(CompactOuterHeight(285, 254, 19), 50) << "title bar and borders 31, status bar 19";
    EXPECT_EQ(CompactOuterHeight(600, 540, 29), 89);
    EXPECT_TRUE(IsCompactView(19, 19));
    EXPECT_FALSE(IsCompactView(20, 19));

    struct Case {
        int kept;
        int dpi;
        int expected;
    };
    for (const Case& c : {Case{400, 144, 400}, Case{0, 96, 285}, Case{0, 144, 428},
                          Case{0, 120, 356}, Case{-7, 192, 570}, Case{0, 0, 285}}) {
        EXPECT_EQ(DetailedOuterHeight(c.kept, 285, c.dpi), c.expected)
            << "kept " << c.kept << " at " << c.dpi << " dpi";
    }
}

TEST(DpiScale, DesignAndDevicePixelsRoundTrip) {
    for (const int dpi : {96, 120, 144, 168, 192}) {
        for (const int design : {0, 1, 40, 71, 285}) {
            EXPECT_EQ(ToDesignPixels(ToDevicePixels(design, dpi), dpi), design) << dpi;
        }
    }
    EXPECT_EQ(ToDesignPixels(90, 144), 60);
    EXPECT_EQ(ToDesignPixels(-3, 144), -2);
}

}  // namespace
}  // namespace zubolo
