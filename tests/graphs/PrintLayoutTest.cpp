#include "graphs/PrintLayout.h"

#include <gtest/gtest.h>

namespace {

using kvor::PrinterMetrics;

TEST(LayOutGraphPrint, UnequalResolutionsKeepTheGraphSevenInchesWide) {
    // 600 x 1200 dpi, A4 with 100-pixel offsets.
    const PrinterMetrics printer{4960, 100, 14032, 200, 600, 1200};
    const kvor::GraphPrintLayout layout = kvor::LayOutGraphPrint(printer);
    EXPECT_EQ(layout.FontScale, 50);
    EXPECT_EQ(layout.GraphWidth, 4200);
    EXPECT_EQ(layout.Unit, 600);
    EXPECT_EQ(layout.PrintableWidth, 4760);
    EXPECT_EQ(layout.PrintableHeight, 13632);
    EXPECT_EQ(layout.WindowHeight, 13632 * 600 / 1200);
    EXPECT_EQ(layout.Left, (4760 - 4200) / 2);
    // A 12-point font is asked for at 6 points and comes out 12 points high on paper:
    // 100 logical units, which the window mapping doubles to 200 pixels at 1200 dpi.
    EXPECT_EQ(kvor::PrintFontLogicalPixels(12, layout.FontScale, layout.Unit), 100);
}

TEST(LayOutGraphPrint, APageNarrowerThanSevenInchesStartsAtItsLeftEdge) {
    const PrinterMetrics narrow{3000, 50, 4000, 50, 600, 600};
    EXPECT_EQ(kvor::LayOutGraphPrint(narrow).Left, 0);
    const PrinterMetrics exact{4300, 50, 4000, 50, 600, 600}; // printable width 4200 = Wg
    EXPECT_EQ(kvor::LayOutGraphPrint(exact).Left, 0);
}

TEST(PrinterResolutionUsable, FiftyPixelsPerInchOrFewerIsNoPrinter) {
    EXPECT_FALSE(kvor::PrinterResolutionUsable(50, 600));
    EXPECT_FALSE(kvor::PrinterResolutionUsable(600, 50));
    EXPECT_TRUE(kvor::PrinterResolutionUsable(51, 51));
}

TEST(PrintScaleToFit, LargestSizeThatKeepsTheProportions) {
    struct Case {
        int w, h, W, H, width, height;
    };
    const Case cases[] = {
        {1004, 717, 4760, 6814, 4760, 3399}, // wide image, portrait page: fills the width
        {1004, 717, 6814, 4760, 6665, 4760}, // landscape page: fills the height
        {500, 1000, 1000, 1000, 500, 1000},  // tall image
        {100, 100, 300, 300, 300, 300},      // exact fit uses the width
    };
    for (const Case& c : cases) {
        const kvor::FittedSize size = kvor::PrintScaleToFit(c.w, c.h, c.W, c.H);
        EXPECT_EQ(size, (kvor::FittedSize{c.width, c.height})) << c.w << "x" << c.h;
    }
}

} // namespace
