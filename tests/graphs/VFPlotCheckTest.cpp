#include "graphs/VFPlotCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace kvor {
namespace {

VFCurve Checked(int form, int para, double b1, double b2, double b3, double j, double lo,
                double hi) {
    VFCurve c = MakeVFCurve({form, para, b1, b2, b3, j}, lo, hi);
    CheckVarianceFunctionPlotting(c);
    return c;
}

struct CodeCase {
    const char* Name;
    int Form, Para;
    double B1, B2, B3, J, Lo, Hi;
    int Code;
};

TEST(CheckVarianceFunctionPlotting, CodesOfEveryForm) {
    const CodeCase cases[] = {
        // form 2
        {"constant", 2, 0, 1, 0, 0, 1, 10, 100, 0},
        {"power of a line", 2, 0, 0.5, 0.02, 0, 2, 10, 100, 0},
        {"line crosses zero inside, lower end cut", 2, 0, -20, 1, 0, 1, 10, 100, 1},
        {"Para -1, B2 inside", 2, -1, 1, 50, 0, 1, 10, 100, 1},
        {"no positive coefficient", 2, 0, -1, 0, 0, 1, 10, 100, 2},
        {"line below zero over the range", 2, 0, -200, 1, 0, 1, 10, 100, 2},
        {"Para +1 with B1 negative", 2, 1, -1, 5, 0, 1, 10, 100, 2},
        {"raised lower end, negative J", 2, 0, 0, 1, 0, -2, 0, 100, 3},
        {"steep at the top", 2, 0, 0, 1, 0, 10, 10, 100, 4},
        {"cut warning gives way to the top", 2, 0, -20, 1, 0, 10, 10, 100, 4},
        {"large everywhere", 2, 0, 1e7, 0, 0, 2, 10, 100, 5},
        {"overflow at both ends", 2, 0, 0, 999999999, 0, 65, 1e6, 1e7, 5},
        // form 3
        {"form 3 positive", 3, 0, 1, 0.01, 0, 2, 10, 100, 0},
        {"form 3 crosses zero", 3, 0, -400, 1, 0, 2, 10, 100, 1},
        {"form 3 crosses zero going down", 3, 0, 400, -1, 0, 2, 10, 100, 1},
        {"form 3 negative over the range", 3, 0, -1e6, 1, 0, 2, 10, 100, 2},
        {"form 3 no positive coefficient", 3, 0, 0, -1, 0, 2, 10, 100, 2},
        {"form 3 large at the bottom", 3, 0, 0, 1, 0, -2, 0, 100, 3},
        {"form 3 large at the top", 3, 0, 0, 1, 0, 10, 10, 100, 4},
        {"form 3 large everywhere", 3, 0, 1e13, 0, 0, 2, 10, 100, 5},
        {"form 3 overflow", 3, 0, 1, 999999999, 0, 65, 1e6, 1e7, 5},
        // form 4
        {"form 4 positive", 4, 0, 1, 0.1, 0.001, 2, 10, 100, 0},
        {"form 4 no positive coefficient", 4, 0, -1, -1, 0, 2, 10, 100, 2},
        {"form 4 large at the bottom", 4, 0, 0, 0, 1, -2, 0, 100, 3},
        {"form 4 large at the top", 4, 0, 0, 0, 1, 10, 10, 100, 4},
        {"form 4 large everywhere", 4, 0, 1e13, 0, 0, 2, 10, 100, 5},
        {"form 4 peak too large", 4, 0, 0, 5.5e8, -50000, 2, 1000, 10000, 6},
        {"form 4 negative minimum inside", 4, 0, 10, -1, 0.01, 2, 10, 100, 7},
        {"form 4 negative at an end", 4, 0, -10, 1, 0, 2, 5, 100, 7},
    };
    for (const CodeCase& k : cases) {
        const VFCurve c = Checked(k.Form, k.Para, k.B1, k.B2, k.B3, k.J, k.Lo, k.Hi);
        EXPECT_EQ(c.Code, k.Code) << k.Name;
        EXPECT_EQ(c.Plottable, k.Code < 2) << k.Name;
        EXPECT_EQ(c.FullyValid, k.Code == 0) << k.Name;
    }
}

TEST(CheckVarianceFunctionPlotting, PartlyValidRangeIsCutJustInsideTheZero) {
    // (B1 + B2 v) is zero at 20: the lower end moves to 20 + 1e-8.
    const VFCurve line = Checked(2, 0, -20, 1, 0, 1, 10, 100);
    EXPECT_EQ(line.ValidLo, 20 + 1e-8);
    EXPECT_EQ(line.ValidHi, 100);
    EXPECT_NEAR(line.VarMin, 1e-8, 1e-14);
    EXPECT_EQ(line.VarMax, 80);

    // B1 (B2 - v) with B2 = 50 inside 10..100: the curve ends at 50 - 1e-8.
    const VFCurve para = Checked(2, -1, 1, 50, 0, 1, 10, 100);
    EXPECT_EQ(para.ValidLo, 10);
    EXPECT_EQ(para.ValidHi, 50 - 1e-8);
    EXPECT_EQ(para.VarMax, 40);

    // Form 3: 400 - v^2 is zero at 20; the upper end moves to 20 - 1e-8.
    const VFCurve form3 = Checked(3, 0, 400, -1, 0, 2, 10, 100);
    EXPECT_EQ(form3.ValidLo, 10);
    EXPECT_EQ(form3.ValidHi, 20 - 1e-8);

    // A lower end below 1e-8 is raised to it.
    const VFCurve raised = Checked(2, 0, 1, 0, 0, 1, -5, 100);
    EXPECT_EQ(raised.RangeLo, 1e-8);
    EXPECT_EQ(raised.ValidLo, 1e-8);
}

// Hand-computed statistics of simple functions.
TEST(CheckVarianceFunctionPlotting, CvStatisticsOfSimpleFunctions) {
    // V = 1: CV = 100 / v, 10% at 10 and 1% at 100.
    const VFCurve constant = Checked(2, 0, 1, 0, 0, 1, 10, 100);
    EXPECT_DOUBLE_EQ(constant.CvMax, 10);
    EXPECT_DOUBLE_EQ(constant.CvMin, 1);
    EXPECT_TRUE(constant.CvPossible);
    EXPECT_EQ(constant.CvTurnX, -1);

    // V = 1e6: CV = 1e5 / v, at least 1000%.
    const VFCurve large = Checked(2, 0, 1e6, 0, 0, 1, 10, 100);
    EXPECT_FALSE(large.CvPossible);
    EXPECT_TRUE(large.Plottable);

    // V = (1 + v)^3: CV^2 = 1e4 (1 + v)^3 / v^2 is smallest at v = 2 (2 B1 / (B2 (J - 2))),
    // where the CV is 100 sqrt(27) / 2.
    const VFCurve turn = Checked(2, 0, 1, 1, 0, 3, 1, 10);
    EXPECT_DOUBLE_EQ(turn.CvTurnX, 2);
    EXPECT_NEAR(turn.CvMin, 100 * std::sqrt(27.0) / 2, 1e-9);
    EXPECT_NEAR(turn.CvMax, 100 * std::sqrt(1331.0) / 10, 1e-9);

    // J = 2 has no CV turning point.
    EXPECT_EQ(Checked(2, 0, 1, 1, 0, 2, 1, 10).CvTurnX, -1);
}

// A direct evaluation of the function, written apart from the code under test.
double ReferenceVariance(int form, int para, double b1, double b2, double b3, double j, double v) {
    switch (form) {
    case 2:
        return para == 0 ? std::pow(b1 + b2 * v, j) : b1 * std::pow(b2 + para * v, j);
    case 3:
        return b1 + b2 * std::pow(v, j);
    default:
        return b1 + b2 * v + b3 * std::pow(v, j);
    }
}

struct Extremes {
    double VarMin = std::numeric_limits<double>::infinity();
    double VarMax = -std::numeric_limits<double>::infinity();
    double CvMin = std::numeric_limits<double>::infinity();
    double CvMax = -std::numeric_limits<double>::infinity();
};

// Scans [lo, hi] on a fine logarithmic grid.
Extremes Scan(const VFCurve& c, double lo, double hi) {
    Extremes e;
    const int steps = 200000;
    for (int i = 0; i <= steps; ++i) {
        const double v = i == steps ? hi : lo * std::pow(hi / lo, static_cast<double>(i) / steps);
        const double V = ReferenceVariance(c.Form, c.Para, c.B1, c.B2, c.B3, c.J, v);
        const double cv = 100 * std::sqrt(V) / v;
        e.VarMin = std::min(e.VarMin, V);
        e.VarMax = std::max(e.VarMax, V);
        e.CvMin = std::min(e.CvMin, cv);
        e.CvMax = std::max(e.CvMax, cv);
    }
    return e;
}

TEST(CheckVarianceFunctionPlotting, ExtremesAgreeWithABruteForceScan) {
    struct Case {
        int Form, Para;
        double B1, B2, B3, J, Lo, Hi;
    };
    const Case cases[] = {
        {2, 0, 1, 1, 0, 3, 1, 10},          // CV minimum inside
        {2, 0, 4, 0.5, 0, 1.5, 0.5, 300},   // CV maximum inside (J < 2)
        {2, -1, 2, 500, 0, 0.7, 1, 400},    // decreasing base
        {2, 1, 0.3, 8, 0, 3.5, 0.2, 90},    // CV minimum of B1 (B2 + v)^J
        {2, 0, -20, 1, 0, 1, 10, 100},      // cut at the zero of the base
        {3, 0, 5, 0.02, 0, 1.2, 0.1, 1000}, // form 3, J < 2
        {3, 0, 0.5, 0.001, 0, 3, 1, 500},   // form 3, J > 2
        {4, 0, 1, 0.1, 0.001, 2, 10, 100},
        {4, 0, 25, -0.9, 0.01, 2, 1, 200},  // variance minimum inside
        {4, 0, 2, 0.05, 1e-5, 3, 0.5, 800}, // CV minimum from the cubic term
        {4, 0, 0.5, 0.3, -1e-4, 1.5, 1, 300},
    };
    for (const Case& k : cases) {
        const VFCurve c = Checked(k.Form, k.Para, k.B1, k.B2, k.B3, k.J, k.Lo, k.Hi);
        const std::string name = std::to_string(k.Form) + "," + std::to_string(k.Para) + "," +
                                 std::to_string(k.B1) + "," + std::to_string(k.B2) + "," +
                                 std::to_string(k.B3) + "," + std::to_string(k.J);
        ASSERT_TRUE(c.Plottable) << name;
        const Extremes e = Scan(c, c.ValidLo, c.ValidHi);
        EXPECT_NEAR(c.VarMin, e.VarMin, 1e-6 * e.VarMax) << name;
        EXPECT_NEAR(c.VarMax, e.VarMax, 1e-6 * e.VarMax) << name;
        EXPECT_NEAR(c.CvMin, e.CvMin, 1e-5 * e.CvMin) << name;
        EXPECT_NEAR(c.CvMax, e.CvMax, 1e-5 * e.CvMax) << name;
        EXPECT_EQ(c.CvPossible, e.CvMin < 100) << name;
        if (c.CvTurnX > 0) {
            // The turning point is where the scan finds an interior extreme of the CV.
            const double V = ReferenceVariance(k.Form, k.Para, k.B1, k.B2, k.B3, k.J, c.CvTurnX);
            const double cv = 100 * std::sqrt(V) / c.CvTurnX;
            EXPECT_TRUE(std::fabs(cv - e.CvMin) < 1e-5 * e.CvMin ||
                        std::fabs(cv - e.CvMax) < 1e-5 * e.CvMax)
                << name;
        }
    }
}

TEST(CheckVarianceFunctionPlotting, InteriorCvMinimumSetsTheTurningPoint) {
    // V = 25 - 0.9 v + 0.01 v^2 has its CV minimum where (J - 2) B3 v^J - B2 v - 2 B1 = 0, i.e.
    // v = 2 B1 / -B2 = 55.56 for J = 2.
    const VFCurve c = Checked(4, 0, 25, -0.9, 0.01, 2, 1, 200);
    EXPECT_NEAR(c.CvTurnX, 50 / 0.9, 1e-4);
}

TEST(CheckVarianceFunctionPlotting, EdgeCoefficientsNeverFail) {
    const double values[] = {0, 1e-300, -1e-300, 1e-8, 1, -1, 999999999, -999999999};
    const double exponents[] = {-65, -1, 0, 0.5, 1, 2, 2.5, 65};
    const double ranges[][2] = {{0, 1e-6}, {1e-8, 10}, {10, 100}, {1e6, 1.00000001e9}};
    for (const int form : {2, 3, 4}) {
        for (const int para : {-1, 0, 1}) {
            for (const double b : values) {
                for (const double j : exponents) {
                    for (const auto& r : ranges) {
                        VFCurve c =
                            MakeVFCurve({form, para, b, -b / 3 + 1e-9, b / 7, j}, r[0], r[1]);
                        const int code = CheckVarianceFunctionPlotting(c);
                        ASSERT_GE(code, 0);
                        ASSERT_LE(code, 7);
                        if (form != 4) {
                            ASSERT_NE(code, 6);
                            ASSERT_NE(code, 7);
                        }
                        if (c.Plottable) {
                            ASSERT_FALSE(std::isnan(c.VarMin));
                            ASSERT_LE(c.VarMax, VFPlotVarianceLimit * (1 + 1e-12));
                        }
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace kvor
