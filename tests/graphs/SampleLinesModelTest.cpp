#include "graphs/SampleLinesModel.h"

#include "engine/RunResults.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <numeric>

namespace {

using kvor::SampleLinesType;

TEST(ChoosePointSize, ANewSamplesEntryChoosesFromTheStoredSets) {
    kvor::GraphOptions options = kvor::DesignGraphOptions();
    struct Step {
        int samples, stored, user, expected;
    };
    // user: a size the user picks after opening (0: none).
    const Step steps[] = {
        {5000, 5000, 0, 3}, {8000, 8000, 0, 2}, {1000, 1000, 0, 4},
        {3001, 3001, 6, 3}, {3001, 3001, 0, 6}, // the same entry keeps the user's size
        {3000, 3000, 0, 4}, {6001, 6001, 0, 2},
    };
    for (const Step& s : steps) {
        kvor::ChoosePointSize(options, s.samples, s.stored);
        EXPECT_EQ(options.PointSize, s.expected) << s.samples;
        EXPECT_EQ(options.LastSetsCount, s.samples);
        if (s.user != 0) {
            options.PointSize = s.user;
        }
    }
}

TEST(SetLinesOptionsAfterRun, ForcesTheZeroOriginAndClearsExtendLines) {
    kvor::GraphOptions options = kvor::DesignGraphOptions();
    options.ExtendLines = true;
    kvor::SetLinesOptionsAfterRun(options, true);
    EXPECT_TRUE(options.LinesZeroOriginForced);
    EXPECT_TRUE(options.LinesZeroOrigin);
    EXPECT_FALSE(options.ExtendLines);
    kvor::SetLinesOptionsAfterRun(options, false);
    EXPECT_FALSE(options.LinesZeroOriginForced);
    EXPECT_FALSE(options.LinesZeroOrigin);
}

struct Axes {
    std::unique_ptr<kvor::RunResults> R = std::make_unique<kvor::RunResults>();
    Axes(double xMin, double xMax, double yMin, double yMax, bool nearIdentity) {
        R->PlotXMin = xMin;
        R->PlotXMax = xMax;
        R->PlotYMin = yMin;
        R->PlotYMax = yMax;
        R->NearIdentity = nearIdentity;
        R->SlopeMin = 0.9;
        R->SlopeMax = 1.1;
        R->InterceptMin = -2;
        R->InterceptMax = 3;
    }
};

TEST(PrepareSampleLinesAxes, NearIdentityGivesTheYAxisOfTheXAxis) {
    Axes a(10, 180, 12, 150, true);
    kvor::PrepareSampleLinesAxes(*a.R, false);
    const kvor::AxisPair zero = kvor::AssignAxesParams(*a.R, SampleLinesType::Lines, true);
    EXPECT_EQ(kvor::AxisStart(zero.X), 0);
    EXPECT_EQ(kvor::AxisEnd(zero.Y), kvor::AxisEnd(zero.X));
    EXPECT_EQ(zero.Y.Intervals, zero.X.Intervals);

    Axes b(100, 180, 120, 150, false);
    kvor::PrepareSampleLinesAxes(*b.R, false);
    const kvor::AxisPair apart = kvor::AssignAxesParams(*b.R, SampleLinesType::Lines, true);
    EXPECT_LT(kvor::AxisEnd(apart.Y), kvor::AxisEnd(apart.X));
    const kvor::AxisPair range = kvor::AssignAxesParams(*b.R, SampleLinesType::Lines, false);
    EXPECT_GT(kvor::AxisStart(range.X), 0);
    const kvor::AxisPair ps = kvor::AssignAxesParams(*b.R, SampleLinesType::ParameterSpace, true);
    EXPECT_LE(kvor::AxisStart(ps.Y), -2);
    EXPECT_TRUE(kvor::ParameterSpaceAvailable(*b.R));
}

TEST(PrepareSampleLinesAxes, ForcedZeroOriginMakesNoRangePair) {
    Axes a(-1, 180, -1, 150, false);
    kvor::PrepareSampleLinesAxes(*a.R, true);
    EXPECT_EQ(a.R->RangeXAxis.Intervals, 0);
    EXPECT_GT(a.R->ZeroXAxis.Intervals, 0);
}

TEST(ParameterSpaceAvailable, NotWithoutBothAxes) {
    Axes a(10, 180, 12, 150, false);
    a.R->SlopeMin = std::numeric_limits<double>::quiet_NaN();
    kvor::PrepareSampleLinesAxes(*a.R, false);
    EXPECT_FALSE(kvor::ParameterSpaceAvailable(*a.R));
}

TEST(SampleLinesTitles, CaptionAndTitleLines) {
    EXPECT_EQ(kvor::SampleLinesCaption(kvor::RegressionType::OLS), "  OLS Regression Accuracy");
    EXPECT_EQ(kvor::SampleLinesCaption(kvor::RegressionType::Deming),
              "  Deming Regression Accuracy");
    EXPECT_EQ(kvor::SampleLinesTitle1(kvor::RegressionType::WLS, 5000, 40),
              " WLS Regression Accuracy:  5000 simulated sets of N = 40");
    EXPECT_EQ(kvor::SampleLinesTitle2(1.05, -2.5, ','),
              "True Slope = 1,05;  True Intercept = -2,5");
}

TEST(ClipTrueLine, VisiblePartInsideTheDataRectangle) {
    // y = x over [0, 100] x [0, 50]: visible from 0 to 50.
    auto s = kvor::ClipTrueLine(1, 0, 0, 100, 0, 50);
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->X0, 0);
    EXPECT_DOUBLE_EQ(s->X1, 50);
    EXPECT_DOUBLE_EQ(s->Y1, 50);
    // Falling line enters at the top.
    s = kvor::ClipTrueLine(-1, 80, 0, 100, 0, 50);
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->X0, 30);
    EXPECT_DOUBLE_EQ(s->X1, 80);
    // Misses the rectangle.
    EXPECT_FALSE(kvor::ClipTrueLine(1, 200, 0, 100, 0, 50));
    // Its visible part would begin at a negative X.
    EXPECT_FALSE(kvor::ClipTrueLine(1, 10, -20, 100, 0, 50));
    // A horizontal line runs across when inside the Y range.
    s = kvor::ClipTrueLine(0, 20, 5, 100, 0, 50);
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->X0, 5);
    EXPECT_DOUBLE_EQ(s->X1, 100);
    EXPECT_FALSE(kvor::ClipTrueLine(0, 60, 5, 100, 0, 50));
}

TEST(DiagonalDashPieces, PiecesAddUpToTheLineAndAlternateOddly) {
    struct Case {
        int L, t, S;
        std::size_t count;
        int first;
    };
    const Case cases[] = {
        {1000, 4, 20, 49, 25}, // c = 996, n = 49, S = 20, r = 16: first S + t + 1
        {1004, 4, 20, 51, 24}, // c = 1000, n = 50 even -> 51, S = 19, r = 31
        {15, 4, 20, 1, 11},    // shorter than a segment: one dash of c
        {44, 4, 20, 2, 24},    // c / S = 2 < 2.1: n stays even
    };
    for (const Case& c : cases) {
        const std::vector<int> pieces = kvor::DiagonalDashPieces(c.L, c.t, c.S);
        EXPECT_EQ(pieces.size(), c.count) << c.L;
        ASSERT_FALSE(pieces.empty());
        EXPECT_EQ(pieces.front(), c.first) << c.L;
        if (pieces.size() > 1) {
            EXPECT_EQ(std::accumulate(pieces.begin(), pieces.end(), 0), c.L) << c.L;
        }
    }
}

} // namespace
