#include "graphs/VFCurveSet.h"

#include "VFTestCurves.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

struct Completed {
    VFCurveSet Set;
    GraphOptions Options = DesignGraphOptions();
};

Completed Complete(const VFCurve& y, const VFCurve* x = nullptr) {
    Completed c;
    c.Set.Curve(VFYFunction) = y;
    if (x != nullptr) {
        c.Set.Curve(VFXFunction) = *x;
    }
    CompleteVFCurveSet(c.Set, c.Options);
    return c;
}

bool Made(const AxisScale& a) {
    return a.Intervals > 0;
}

TEST(CompleteVFCurveSet, MeanAxisChoiceByRatio) {
    const VarianceFunction constant{2, 0, 1, 0, 0, 1};
    struct Case {
        double Lo, Hi;
        bool XLog, Forced;
    };
    const Case cases[] = {
        {1, 500, true, true},   // ratio above 100
        {1, 100, false, true},  // 100 is not above 100
        {10, 61, false, true},  // above 6
        {10, 60, false, false}, // 6 is not above 6
        {10, 11, false, false},
    };
    for (const Case& k : cases) {
        const Completed c = Complete(PlottableCurve(constant, k.Lo, k.Hi));
        SCOPED_TRACE(k.Hi);
        EXPECT_EQ(c.Options.XLog, k.XLog);
        EXPECT_EQ(c.Options.VFZeroOriginForced, k.Forced);
        EXPECT_EQ(c.Options.VFZeroOrigin, k.Forced);
        EXPECT_EQ(Made(c.Set.MeanRangeAxis), !k.Forced);
        EXPECT_TRUE(Made(c.Set.MeanZeroAxis));
        EXPECT_TRUE(Made(c.Set.MeanLogAxis));
        EXPECT_EQ(c.Set.MeanMin, k.Lo);
        EXPECT_EQ(c.Set.MeanMax, k.Hi);
    }
}

TEST(CompleteVFCurveSet, LogVarianceStartsSetOverMoreThanThreeDecades) {
    // V = v over 1..R: the variance spans log10(R) decades.
    const Completed four = Complete(PlottableCurve({2, 0, 0, 1, 0, 1}, 1, 5000));
    EXPECT_EQ(four.Set.VarianceLogAxis.StartExponent, 0);
    EXPECT_EQ(four.Set.VarianceLogAxis.Intervals, 4);
    EXPECT_TRUE(four.Options.YLog);
    EXPECT_TRUE(Made(four.Set.SDLogAxis));

    const Completed three = Complete(PlottableCurve({2, 0, 0, 1, 0, 1}, 1, 500));
    EXPECT_EQ(three.Set.VarianceLogAxis.Intervals, 3);
    EXPECT_FALSE(three.Options.YLog);

    // A previous choice does not survive the press.
    Completed again;
    again.Options.YLog = true;
    again.Set.Curve(VFYFunction) = PlottableCurve({2, 0, 1, 0, 0, 1}, 10, 100);
    CompleteVFCurveSet(again.Set, again.Options);
    EXPECT_FALSE(again.Options.YLog);
}

TEST(CompleteVFCurveSet, CombinesThePlottableFunctions) {
    const VFCurve y = PlottableCurve({2, 0, 0, 0.04, 0, 1}, 20, 200); // V 0.8..8, CV 4.5..2%
    const VFCurve x = PlottableCurve({2, 0, 0, 1, 0, 1}, 10, 100);    // V 10..100, CV 31.6..10%
    const Completed both = Complete(y, &x);
    EXPECT_EQ(both.Set.FirstFunction, 1);
    EXPECT_EQ(both.Set.LastFunction, 2);
    EXPECT_EQ(both.Set.MeanMin, 10);
    EXPECT_EQ(both.Set.MeanMax, 200);
    EXPECT_DOUBLE_EQ(both.Set.VarMinAll, 0.8);
    EXPECT_DOUBLE_EQ(both.Set.VarMaxAll, 100);
    EXPECT_DOUBLE_EQ(both.Set.CvBasis, 100 * std::sqrt(10.0) / 10);
    EXPECT_EQ(both.Set.DefaultCvMax, 40);
    EXPECT_EQ(AxisEnd(both.Set.CvAxis), 40);

    VFCurve refused = x;
    refused.Plottable = false;
    const Completed alone = Complete(y, &refused);
    EXPECT_EQ(alone.Set.FirstFunction, 1);
    EXPECT_EQ(alone.Set.LastFunction, 1);
    EXPECT_EQ(alone.Set.MeanMin, 20);
    EXPECT_DOUBLE_EQ(alone.Set.VarMaxAll, 8);
    EXPECT_EQ(alone.Set.DefaultCvMax, 5);

    // Completing again after a function is refused starts from the empty ranges.
    VFCurveSet reused = both.Set;
    GraphOptions options = DesignGraphOptions();
    reused.Curve(VFXFunction).Plottable = false;
    CompleteVFCurveSet(reused, options);
    EXPECT_EQ(reused.MeanMin, 20);
    EXPECT_DOUBLE_EQ(reused.VarMaxAll, 8);
    EXPECT_EQ(reused.LastFunction, 1);

    // No function below 100% CV: no CV axis.
    const Completed noCv = Complete(PlottableCurve({2, 0, 1e6, 0, 0, 1}, 10, 100));
    EXPECT_EQ(noCv.Set.CvBasis, -1);
    EXPECT_FALSE(Made(noCv.Set.CvAxis));
}

TEST(VFCurveSet, EmptyStateBetweenPresses) {
    const VFCurveSet set;
    for (const VFCurve& c : set.Curves) {
        EXPECT_EQ(c.RangeLo, 1e10);
        EXPECT_EQ(c.ValidLo, 1e10);
        EXPECT_EQ(c.VarMin, 1e10);
        EXPECT_EQ(c.CvMin, 1e10);
        EXPECT_EQ(c.RangeHi + c.ValidHi + c.VarMax + c.CvMax, 0);
        EXPECT_EQ(c.CvTurnX, -1);
        for (int t = 0; t < VFGraphTypeCount; ++t) {
            EXPECT_EQ(c.LabelX[t], -1);
            EXPECT_EQ(c.LabelY[t], -1);
        }
        EXPECT_FALSE(c.Plottable || c.FullyValid || c.CvPossible);
        EXPECT_EQ(c.Form, 0);
    }
    EXPECT_EQ(set.MeanMin, 1e10);
    EXPECT_EQ(set.VarMinAll, 1e10);
    EXPECT_EQ(set.MeanMax + set.VarMaxAll + set.CvBasis, 0);
    EXPECT_EQ(set.MeanLogAxis.Intervals + set.VarianceLogAxis.Intervals + set.CvAxis.Intervals, 0);
}

TEST(ReduceXRange, DropsLeadingDecadesWhereEveryCurveLiesAboveTheCvAxis) {
    // V = 100 over 1..1000: CV = 1000 / v %, so 1000% at 1 and 1% at 1000. With a CV axis to
    // 20%, the decade 1..10 lies wholly above it; the check point of the decade 10..100,
    // 10 x 100^(-1/21) = 8.03, is at 124% and keeps that decade.
    const Completed c = Complete(PlottableCurve({2, 0, 100, 0, 0, 1}, 1, 1000));
    VFCurveSet set = c.Set;
    set.CvAxis = PresetCvAxis(20);
    ASSERT_EQ(set.MeanLogAxis.StartExponent, 0);
    ASSERT_EQ(set.MeanLogAxis.Intervals, 3);
    const AxisScale reduced = ReduceXRange(set);
    EXPECT_EQ(reduced.StartExponent, 1);
    EXPECT_EQ(reduced.Intervals, 2);

    // A CV axis to 100%: the check point of the first decade, 1, is at 1000% - still above,
    // and that of the decade 10..100 is at 124%: one decade goes.
    set.CvAxis = PresetCvAxis(100);
    EXPECT_EQ(ReduceXRange(set).StartExponent, 1);

    // No curve gets below the axis top: nothing changes.
    VFCurveSet high = set;
    high.Curve(VFYFunction).CvMin = 150;
    EXPECT_EQ(ReduceXRange(high).StartExponent, 0);
    EXPECT_EQ(ReduceXRange(high).Intervals, 3);

    // A second curve below the axis in its first decade keeps the axis as it is.
    VFCurveSet two = set;
    two.Curve(VFXFunction) = PlottableCurve({2, 0, 0.0001, 0, 0, 1}, 1, 1000);
    two.LastFunction = 2;
    EXPECT_EQ(ReduceXRange(two).StartExponent, 0);
}

} // namespace
} // namespace kvor
