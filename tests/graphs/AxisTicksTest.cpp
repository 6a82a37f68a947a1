#include "graphs/AxisTicks.h"

#include <gtest/gtest.h>

namespace {

kvor::AxisScale Axis(int intervals, int minorTicks) {
    kvor::AxisScale axis;
    axis.Intervals = intervals;
    axis.MinorTicks = minorTicks;
    axis.StepMantissa = 1;
    return axis;
}

TEST(TickOffsets, OriginTickOnlyWithAGapAndMinorTicksInTheGap) {
    kvor::AxisGeometry noGap;
    noGap.ScaleLength = 400;
    noGap.Length = 400;
    const kvor::AxisTicks plain = kvor::TickOffsets(noGap, Axis(4, 5), true);
    EXPECT_EQ(plain.Major, (std::vector<int>{100, 200, 300, 400}));
    EXPECT_EQ(plain.MajorIndex, (std::vector<int>{1, 2, 3, 4}));
    ASSERT_EQ(plain.Minor.size(), 16u);
    EXPECT_EQ(plain.Minor.front(), 20);
    EXPECT_EQ(plain.Minor.back(), 380);

    kvor::AxisGeometry gap;
    gap.Gap = 30;
    gap.ScaleLength = 400;
    gap.Length = 430;
    const kvor::AxisTicks spaced = kvor::TickOffsets(gap, Axis(4, 5), true);
    EXPECT_EQ(spaced.Major, (std::vector<int>{30, 130, 230, 330, 430}));
    EXPECT_EQ(spaced.MajorIndex.front(), 0);
    // The interval before the first tick shows in the gap: 30 - 20 = 10 only.
    EXPECT_EQ(spaced.Minor.front(), 10);
    EXPECT_EQ(spaced.Minor.size(), 17u);

    EXPECT_TRUE(kvor::TickOffsets(gap, Axis(4, 5), false).Minor.empty());
    EXPECT_TRUE(kvor::TickOffsets(gap, Axis(0, 5), true).Major.empty());
}

} // namespace
