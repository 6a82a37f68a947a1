#include "graphs/GraphLayout.h"
#include "graphs/AxisScale.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using kvor::FontRole;

TEST(DashLayout, ChoosesCountAndLength) {
    struct Row {
        int L;
        int count;
        int length;
    };
    const Row rows[] = {
        {700, 77, 9},   // |700 - 77 x 9| = 7 is the smallest error among 69, 71, ..., 81
        {1000, 77, 13}, // |1000 - 77 x 13| = 1
        {200, 67, 3},   // an odd count with error 1 beats the even 100 x 2 with error 0
        {320, 64, 5},   // every candidate is even: the first best even one
    };
    for (const Row& r : rows) {
        const kvor::DashLayoutResult result = kvor::DashLayout(r.L);
        EXPECT_EQ(result.Count, r.count) << r.L;
        EXPECT_EQ(result.Length, r.length) << r.L;
    }
}

TEST(SegmentDashedLine, OddCountWithTheFirstSegmentsLonger) {
    const kvor::DashedLine line = kvor::SegmentDashedLine(700, kvor::DashLayout(700).Length);
    EXPECT_EQ(line.Count, 77);
    EXPECT_EQ(line.Length, 9);
    EXPECT_EQ(line.Longer, 7);
    std::vector<int> lengths;
    for (int i = 0; i < line.Count; ++i) {
        lengths.push_back(kvor::DashSegmentStart(line, i + 1) - kvor::DashSegmentStart(line, i));
    }
    EXPECT_EQ(std::vector<int>(lengths.begin(), lengths.begin() + 7), std::vector<int>(7, 10));
    EXPECT_EQ(std::vector<int>(lengths.begin() + 7, lengths.end()), std::vector<int>(70, 9));
    EXPECT_EQ(kvor::DashSegmentStart(line, line.Count), 700);

    // 320 div 5 = 64 is even: 65 segments of 320 div 65 = 4, the first 60 of them 5 long.
    const kvor::DashedLine even = kvor::SegmentDashedLine(320, 5);
    EXPECT_EQ(even.Count, 65);
    EXPECT_EQ(even.Length, 4);
    EXPECT_EQ(even.Longer, 60);
}

TEST(DashLayout, ShortLinesNeverDivideByZero) {
    for (int L = -3; L < 69; ++L) {
        const kvor::DashLayoutResult r = kvor::DashLayout(L);
        const kvor::DashedLine line = kvor::SegmentDashedLine(L, r.Length);
        EXPECT_EQ(kvor::DashSegmentStart(line, line.Count), std::max(L, 0)) << L;
    }
}

TEST(FontSizes, ScreenAndPaperRules) {
    // rnd(15 x 258 / 80) = rnd(48.375) = 48
    EXPECT_EQ(kvor::ScreenFontPointSize(15, 258, 96), -48);
    EXPECT_EQ(kvor::ScreenFontPointSize(15, 258, 120), -38);
    // rnd(12 x 232 / 80) = rnd(34.8) = 35
    EXPECT_EQ(kvor::ScreenFontPointSize(12, 232, 96), -35);
    // 48 points of cell height are 64 pixels at 96 per inch; 38 points at 120 per inch are 63.
    EXPECT_EQ(kvor::ScreenFontCellPixels(15, 258, 96), 64);
    EXPECT_EQ(kvor::ScreenFontCellPixels(15, 258, 120), 63);
    EXPECT_EQ(kvor::PrintFontPointSize(12, 50), 6);
    EXPECT_EQ(kvor::PrintFontPointSize(15, 100), 15);
}

TEST(GraphUnit, PixelsAndPens) {
    EXPECT_EQ(kvor::GraphUnit(1804), 258);
    EXPECT_EQ(kvor::GraphUnit(1627), 232);
    EXPECT_EQ(kvor::PointsToPixels(258, 9), 32); // 32.25
    EXPECT_EQ(kvor::PointsToPixels(258, 7), 25); // 25.08
    EXPECT_EQ(kvor::PointsToPixels(72, 6.5), 6); // a half goes to even
    EXPECT_EQ(kvor::PenWidth(258, 4), 3);
    EXPECT_EQ(kvor::PenWidth(258, 1), 1);
    EXPECT_EQ(kvor::PenWidth(50, 4), 1);
}

TEST(FitGraphIntoPicture, ExportPictureShrinksOnce) {
    std::vector<int> widths;
    const auto tooHigh = [&widths](int width) {
        widths.push_back(width);
        return width == 1804 ? 1500 : 1400; // still too high after the shrink
    };
    const kvor::PictureFit fit = kvor::FitGraphIntoPicture(1920, 1440, 3, tooHigh);
    EXPECT_EQ(widths, (std::vector<int>{1804, 1627}));
    EXPECT_EQ(fit.GraphWidth, 1627);
    EXPECT_EQ(fit.Unit, 232);
    EXPECT_EQ(fit.AvailableHeight, 1353);
    EXPECT_EQ(fit.GraphHeight, 1400);
    EXPECT_TRUE(fit.Shrunk);
    EXPECT_EQ(fit.Left, (1920 - 1627) / 2);
    EXPECT_EQ(fit.Top, (1440 - 1400) / 2);

    const kvor::PictureFit fits =
        kvor::FitGraphIntoPicture(1920, 1440, 3, [](int) { return 1000; });
    EXPECT_EQ(fits.GraphWidth, 1804);
    EXPECT_EQ(fits.Unit, 258);
    EXPECT_FALSE(fits.Shrunk);
    EXPECT_EQ(fits.Left, 58);
    EXPECT_EQ(fits.Top, 220);
}

// Fixed text extents: a height per role and 20 pixels per character of tick labels.
class FixedMeasurer : public kvor::TextMeasurer {
public:
    int TextHeight(const std::string&, FontRole role) const override {
        switch (role) {
        case FontRole::Title:
            return 60;
        case FontRole::AxisTitles:
            return 50;
        default:
            return 40;
        }
    }
    int TextWidth(const std::string& text, FontRole) const override {
        return 20 * static_cast<int>(text.size());
    }
};

kvor::GraphLayoutInput ExampleInput(int graphWidth) {
    kvor::GraphLayoutInput in;
    in.GraphWidth = graphWidth;
    const kvor::AxisScale x = kvor::ScalePositiveAxis(95, 130); // 90 .. 130, 8 intervals
    const kvor::AxisScale y = kvor::ScaleSignedAxis(-3.2, 5.1); // -4 .. 6, 5 intervals
    in.X = kvor::LinearAxisExtent(x);
    in.Y = kvor::LinearAxisExtent(y);
    in.YTitleText = "Intercept";
    in.YStartLabel = kvor::FormatAxisLabelGeneral(kvor::AxisStart(y), y); // "-4"
    in.YEndLabel = kvor::FormatAxisLabelGeneral(kvor::AxisEnd(y), y);     // "6"
    in.XEndLabel = kvor::FormatAxisLabelGeneral(kvor::AxisEnd(x), x);     // "130"
    in.AspectPercent = 100;
    in.MajorTickLength = 6;
    in.ShowTitle = true;
    return in;
}

TEST(LayOutGraph, MarginsPlotAndScalesAtTheExportWidth) {
    const FixedMeasurer measurer;
    const kvor::GraphLayout g = kvor::LayOutGraph(ExampleInput(1804), measurer);
    EXPECT_EQ(g.Unit, 258);
    EXPECT_EQ(g.AxisPen, 3);
    EXPECT_EQ(g.LeftMargin, 145); // 50 + 20 + 40 + rnd(258 x 9 / 72) + 3
    EXPECT_EQ(g.RightMargin, 30); // half of "130"
    EXPECT_EQ(g.X.Gap, 81);       // 1629 div 20
    EXPECT_EQ(g.X.ScaleLength, 1544);
    EXPECT_EQ(g.X.Length, 1625);
    EXPECT_DOUBLE_EQ(g.X.PixelsPerUnit, 38.6);
    EXPECT_DOUBLE_EQ(g.X.EdgeValue, 135720.0 / 1544); // (1625 x 90 - 81 x 130) / 1544
    EXPECT_EQ(g.Y.Gap, 81);
    EXPECT_EQ(g.Y.ScaleLength, 1540);
    EXPECT_EQ(g.Y.Length, 1621);
    EXPECT_DOUBLE_EQ(g.Y.PixelsPerUnit, 154);
    EXPECT_DOUBLE_EQ(g.Y.EdgeValue, -6970.0 / 1540);
    EXPECT_EQ(g.TopMargin, 192);    // 3.2 x 60
    EXPECT_EQ(g.GraphHeight, 1956); // 192 + 1621 + 25 + 1.25 x 40 + 1.3 x 50 + 3
}

TEST(LayOutGraph, TooHighGraphFitsTheExportPictureWithOneShrink) {
    const FixedMeasurer measurer;
    const kvor::PictureFit fit = kvor::FitGraphIntoPicture(1920, 1440, 3, [&](int width) {
        return kvor::LayOutGraph(ExampleInput(width), measurer).GraphHeight;
    });
    EXPECT_EQ(fit.GraphWidth, 1247); // 1804 x 1353 div 1956
    EXPECT_EQ(fit.Unit, 178);
    EXPECT_EQ(fit.GraphHeight, 1404); // still above 1353, kept
    EXPECT_EQ(fit.Left, 336);
    EXPECT_EQ(fit.Top, 18);
}

TEST(LayOutGraph, AxisFromZeroHasNoGapAndWholeIntervals) {
    const FixedMeasurer measurer;
    kvor::GraphLayoutInput in = ExampleInput(1804);
    in.X = kvor::LinearAxisExtent(kvor::ScalePositiveAxis(-1, 10.000001)); // 0 .. 12.5, 5
    in.XEndLabel = "12.5";
    in.AspectPercent = 70;
    in.ShowTitle = false;
    const kvor::GraphLayout g = kvor::LayOutGraph(in, measurer);
    EXPECT_EQ(g.RightMargin, 40);
    EXPECT_EQ(g.X.Gap, 0);
    EXPECT_EQ(g.X.Length, 1615); // 1804 - 145 - 40 = 1619, down to a multiple of 5
    EXPECT_DOUBLE_EQ(g.X.EdgeValue, 0);
    EXPECT_DOUBLE_EQ(g.X.PixelsPerUnit, 1615 / 12.5);
    EXPECT_EQ(g.Y.Gap, 56);           // 70 x 1615 div 100 = 1130, div 20
    EXPECT_EQ(g.Y.ScaleLength, 1070); // 1074 down to a multiple of 5
    EXPECT_EQ(g.TopMargin, 40);       // half of "12.5" beats half of h("1")
}

} // namespace
