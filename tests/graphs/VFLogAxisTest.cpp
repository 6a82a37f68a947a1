#include "graphs/VFLogAxis.h"
#include "graphs/VFLabelPlace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

kvor::AxisScale LogAxis(int start, int decades) {
    kvor::AxisScale a;
    a.StartMantissa = 1;
    a.StartExponent = start;
    a.Intervals = decades;
    a.MinorTicks = 10;
    return a;
}

TEST(LogPowerNotation, ByTheDecadesTheAxisSpansAndWhereItReaches) {
    struct Case {
        int Start;
        int Decades;
        bool Horizontal;
        bool Power;
    };
    const Case cases[] = {
        {-1, 6, true, false}, // six decades from 0.1 to 10^5: decimal labels
        {-1, 7, true, true},  // more than six
        {-6, 6, true, true},  // six, starting below 10^-5
        {-5, 6, true, false}, // six, starting at 10^-5
        {0, 6, true, true},   // six, ending above 10^5
        {1, 5, true, false},  // five decades never
        {-4, 2, false, false}, {-5, 2, false, true}, {2, 2, false, false}, // ending at 10^4
        {3, 2, false, true},                                               // ending above 10^4
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kvor::LogPowerNotation(LogAxis(c.Start, c.Decades), c.Horizontal), c.Power)
            << c.Start << " + " << c.Decades << (c.Horizontal ? " X" : " Y");
    }
}

TEST(LogDecimalLabel, PowersOfTenWithTheirOwnDecimals) {
    EXPECT_EQ(kvor::LogDecimalLabel(-3), "0.001");
    EXPECT_EQ(kvor::LogDecimalLabel(-1, ','), "0,1");
    EXPECT_EQ(kvor::LogDecimalLabel(0), "1");
    EXPECT_EQ(kvor::LogDecimalLabel(4), "10000");
}

TEST(LogTickOffsets, DecadesAndTheirMinorTicksAlsoInTheGap) {
    kvor::AxisGeometry g;
    g.Gap = 30;
    g.ScaleLength = 600; // three decades of 200 pixels
    g.Length = 630;
    const kvor::AxisTicks ticks = kvor::LogTickOffsets(g, LogAxis(-1, 3), true);
    EXPECT_EQ(ticks.Major, (std::vector<int>{30, 230, 430, 630}));
    EXPECT_EQ(ticks.MajorIndex, (std::vector<int>{0, 1, 2, 3}));
    // In the gap 8 and 9 x 10^-2 (30 - 200 + rnd(200 log10 8) = 11, and 21), nothing at or
    // below the edge; then 2..9 in each of the three decades.
    ASSERT_EQ(ticks.Minor.size(), 2U + 3 * 8);
    EXPECT_EQ(ticks.Minor[0], 11);
    EXPECT_EQ(ticks.Minor[1], 21);
    EXPECT_EQ(ticks.Minor[2], 30 + 60); // 2 x 10^-1: log10 2 = 0.301
    EXPECT_TRUE(std::none_of(ticks.Minor.begin(), ticks.Minor.end(), [&](int m) {
        return std::find(ticks.Major.begin(), ticks.Major.end(), m) != ticks.Major.end();
    }));
    EXPECT_TRUE(kvor::LogTickOffsets(g, LogAxis(-1, 3), false).Minor.empty());
}

TEST(AutoLabelPosition, BesideTheVisibleEndAndInsideThePlot) {
    struct Case {
        const char* Name;
        std::vector<kvor::PlotPoint> Line;
    };
    const Case cases[] = {
        {"flat end at the right edge", {{0, 100}, {400, 110}}},
        {"steep end at the top", {{0, 0}, {200, 300}}},
        {"falling to the bottom corner", {{0, 300}, {400, 0}}},
        {"ending at the left edge", {{0, 0}, {0.5, 300}}},
    };
    const double w = 20;
    const double h = 24;
    for (const Case& c : cases) {
        kvor::VFCurvePoints curve;
        curve.Lines = {c.Line};
        curve.Visible = true;
        const kvor::PlotPoint at = kvor::AutoLabelPosition(curve, w, h, 400, 300);
        EXPECT_GE(at.X, 0) << c.Name;
        EXPECT_LE(at.X + w, 400) << c.Name;
        EXPECT_GE(at.Y, 0) << c.Name;
        EXPECT_LE(at.Y + h, 300) << c.Name;
        // Beside the end: within a label's size of it.
        const kvor::PlotPoint end = c.Line.back();
        EXPECT_LT(std::abs(at.X + w / 2 - end.X), 2 * w) << c.Name;
        EXPECT_LT(std::abs(at.Y + h / 2 - end.Y), 2 * h) << c.Name;
    }
}

} // namespace
