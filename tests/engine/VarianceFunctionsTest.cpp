#include "engine/VarianceFunctions.h"

#include "engine/FloatGuard.h"

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <numbers>

using kvor::PVar;
using kvor::VarianceFloor;
using kvor::VarianceForPlot;
using kvor::VarianceFunction;
using kvor::WgtRange;

namespace {

struct Case {
    int Para;
    int Form;
    double B1, B2, B3, J, v;
    double Expected;
};

void ExpectRelativelyNear(double expected, double actual) {
    EXPECT_NEAR(actual, expected, 4e-16 * std::fabs(expected)) << "expected " << expected;
}

// Central difference of sqrt(V)/v, the quantity whose stationary points are sought.
double CVDerivative(const std::function<double(double)>& V, double v) {
    const double h = 1e-6 * v;
    const auto cv = [&](double u) { return std::sqrt(V(u)) / u; };
    return (cv(v + h) - cv(v - h)) / (2 * h);
}

} // namespace

TEST(PVar, MatchesEachFormInClosedForm) {
    const Case cases[] = {
        {0, 2, 1, 0, 0, 1, 123.0, 1.0},
        {0, 2, 1, 0.02, 0, 2, 50.0, 4.0},
        {0, 2, 2, 0.1, 0, 1.5, 30.0, std::pow(5.0, 1.5)},
        {-1, 2, 2, 100, 0, 1.5, 20.0, 2 * std::pow(80.0, 1.5)},
        {1, 2, 0.5, 10, 0, 2, 5.0, 0.5 * 225.0},
        {0, 3, 1, 0.01, 0, 1.7, 40.0, 1 + 0.01 * std::pow(40.0, 1.7)},
        {0, 3, 1, 4, 0, -2, 2.0, 2.0},
        {0, 3, 100, 1, 0, 3, -3.0, 73.0},
        {0, 3, 0, 1, 0, 0, 0.0, 1.0},
        {0, 4, 1, 0.1, 0.001, 2.5, 30.0, 1 + 3.0 + 0.001 * std::pow(30.0, 2.5)},
        {0, 4, 50, 2, 1, 3, -2.0, 50 - 4.0 - 8.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "form " << c.Form << " para " << c.Para << " J " << c.J);
        ExpectRelativelyNear(c.Expected, PVar(c.Para, c.Form, c.B1, c.B2, c.B3, c.J, c.v));
    }
}

TEST(PVar, FloorsTheBaseOfFormTwoBeforeThePower) {
    // Base 1 - 5 is below the floor: 1e-14 raised to 0.5 is 1e-7, above the final floor.
    EXPECT_NEAR(PVar(0, 2, 1, -1, 0, 0.5, 5.0), 1e-7, 1e-20);
    EXPECT_EQ(PVar(0, 2, 1, -1, 0, 2, 5.0), VarianceFloor);
    EXPECT_EQ(PVar(0, 2, 1e-20, 0, 0, 1, 5.0), VarianceFloor);
    // Para -1 past its root: the floored base is scaled by B1.
    EXPECT_NEAR(PVar(-1, 2, 1e6, 10, 0, 1, 20.0), 1e6 * 1e-14, 1e-22);
}

TEST(PVar, GivesTheFloorWhereTheArithmeticFailsOrGoesNegative) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {0, 3, 1, 1, 0, 1.5, -2.0, 0},        // negative base, fractional power
        {0, 3, 1, 1, 0, -1, 0.0, 0},          // zero to a negative power
        {0, 3, 1, 1e300, 0, 2, 1e300, 0},     // overflow
        {0, 2, 1, 1e10, 0, 65, 1e300, 0},     // overflow of the power itself
        {0, 2, 1e300, 1e300, 0, 1, 1e300, 0}, // overflow of the base
        {0, 4, 1, 1, 1e300, 65, 1e300, 0},    // overflow in extended range
        {0, 3, -5, 1, 0, 1, 2.0, 0},          // negative variance
        {0, 4, 1, -1, 0, 1, 1e300, 0},        // hugely negative variance
        {0, 3, 1, 1, 0, 1, nan, 0},           {0, 7, 1, 1, 1, 1, 5.0, 0}, // no such form
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "form " << c.Form << " v " << c.v << " J " << c.J);
        EXPECT_EQ(PVar(c.Para, c.Form, c.B1, c.B2, c.B3, c.J, c.v), VarianceFloor);
    }
}

TEST(PVar, NeitherClearsNorRaisesTheCallersFlags) {
    kvor::FloatGuard guard;
    PVar(0, 3, 1, 1, 0, 1.5, -2.0);
    PVar(0, 3, 1, 1e300, 0, 2, 1e300);
    EXPECT_FALSE(guard.Failed());

    std::feraiseexcept(FE_OVERFLOW);
    PVar(0, 3, 1, 1, 0, -1, 0.0);
    PVar(0, 2, 1, 0, 0, 1, 5.0);
    EXPECT_TRUE(std::fetestexcept(FE_OVERFLOW));
    EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO));
    guard.Reset();

    // A NaN level gives the floor without a flag for the caller.
    PVar(0, 3, 1, 1, 0, 1, std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(guard.Failed());
}

TEST(PVar, RecordOverloadReadsEveryField) {
    const VarianceFunction f{4, 0, 1, 0.1, 0.001, 2.5};
    EXPECT_EQ(PVar(f, 30.0), PVar(0, 4, 1, 0.1, 0.001, 2.5, 30.0));
}

TEST(VarianceForPlot, KeepsSmallPositiveValuesAndFloorsOnlyNonPositiveOnes) {
    // Base 1e-20 stays: its square root is 1e-10, where the engine would use sqrt(1e-14).
    EXPECT_NEAR(VarianceForPlot({2, 0, 1e-20, 0, 0, 0.5}, 1.0), 1e-10, 1e-24);
    EXPECT_NEAR(PVar(0, 2, 1e-20, 0, 0, 0.5, 1.0), 1e-7, 1e-21);
    EXPECT_EQ(VarianceForPlot({3, 0, 1e-20, 0, 0, 1}, 1.0), 1e-20);
    // A non-positive base still becomes 1e-14 before the power.
    EXPECT_NEAR(VarianceForPlot({2, 0, 1, -1, 0, 0.5}, 5.0), 1e-7, 1e-20);
    EXPECT_EQ(VarianceForPlot({3, 0, -5, 1, 0, 1}, 2.0), VarianceFloor);
    EXPECT_EQ(VarianceForPlot({3, 0, 1, 1, 0, 1.5}, -2.0), VarianceFloor);
    EXPECT_EQ(VarianceForPlot({5, 0, 1, 1, 1, 1}, 2.0), VarianceFloor);
    ExpectRelativelyNear(2 * std::pow(80.0, 1.5), VarianceForPlot({2, -1, 2, 100, 0, 1.5}, 20.0));
}

TEST(WgtRange, FormsTwoAndThreeStayAThousandthInsideTheRoot) {
    struct RangeCase {
        int Para, Form;
        double B1, B2, J, LowerY, UpperY, Lower, Upper;
    };
    const RangeCase cases[] = {
        {0, 2, -10, 1, 1, 20, 200, 10.01, 1e300},   // vanishes at 10, data above
        {0, 2, 10, -0.05, 1, 20, 150, 0, 199.95},   // vanishes at 200, data below
        {0, 2, 1, 0, 1, 20, 150, 0, 1e300},         // constant: no root
        {0, 2, 5, 1, 1, 20, 150, 0, 1e300},         // root at -5 counts as 0
        {-1, 2, 1, 300, 2, 20, 150, 0, 300 - 0.15}, // B1 (300 - Y)^J
        {1, 2, 1, -4, 2, 10, 150, 4.006, 1e300},    // B1 (Y - 4)^J
        {1, 2, 1, 4, 2, 10, 150, 0, 1e300},         // root at -4 counts as 0
        {0, 3, -4, 1, 2, 5, 10, 2.003, 1e300},      // Y^2 - 4: root 2
        {0, 3, 8, -1, 3, 0.5, 1.5, 0, 2 - 0.0005},  // 8 - Y^3: root 2
        {0, 3, 1, -1, -1, 3, 9, 1.002, 1e300},      // 1 - 1/Y: root 1
        {0, 3, 1, 1, 2, 3, 9, 0, 1e300},            // always positive
        {0, 3, 2, -1, 0, 3, 9, 0, 1e300},
        {0, 2, 1, 0.1, 2, -3, 150, 0, 1e300},   // no positive root, data dip below 0
        {0, 3, 1, 0.5, 1.5, -3, 150, 0, 1e300}, // J = 0: constant 1
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "form " << c.Form << " para " << c.Para << " B1 " << c.B1
                                        << " B2 " << c.B2 << " J " << c.J);
        const kvor::WeightRange range =
            WgtRange(c.Para, c.Form, c.B1, c.B2, 0, c.J, c.LowerY, c.UpperY);
        EXPECT_DOUBLE_EQ(range.Lower, c.Lower);
        EXPECT_DOUBLE_EQ(range.Upper, c.Upper);
    }
}

TEST(WgtRange, FormFourStepsOutwardWhileTheVarianceStaysPositive) {
    // Always positive: 19 steps of Y/20 down, and a hundred times the top.
    kvor::WeightRange range = WgtRange(0, 4, 1, 0, 0, 2, 40, 80);
    EXPECT_DOUBLE_EQ(range.Lower, 2.0);
    EXPECT_DOUBLE_EQ(range.Upper, 8000.0);

    // Y - 10: from 40 down in steps of 2, 10 itself is not positive, so 12.
    range = WgtRange(0, 4, -10, 1, 0, 1, 40, 80);
    EXPECT_DOUBLE_EQ(range.Lower, 12.0);
    EXPECT_DOUBLE_EQ(range.Upper, 8000.0);

    // 100 - Y: from 90 up in steps of 0.9, 99.9 is the last positive one.
    range = WgtRange(0, 4, 100, -1, 0, 1, 20, 90);
    EXPECT_DOUBLE_EQ(range.Lower, 1.0);
    EXPECT_NEAR(range.Upper, 99.9, 1e-12);

    // 100 - Y from 50: all fifty steps stay positive.
    range = WgtRange(0, 4, 100, -1, 0, 1, 20, 50);
    EXPECT_DOUBLE_EQ(range.Upper, 75.0);

    // 1000 - Y^2 with the power in B3.
    range = WgtRange(0, 4, 1000, 0, -1, 2, 0, 30);
    EXPECT_EQ(range.Lower, 0.0);
    EXPECT_NEAR(range.Upper, 30 + 5 * 0.3, 1e-12); // 31.5^2 < 1000 < 31.8^2
}

TEST(CVTurningPoint, FindsTheStationaryPointOfTheCoefficientOfVariation) {
    struct TurnCase {
        int Form, Para;
        double B1, B2, J;
    };
    const TurnCase cases[] = {
        {2, 0, 1, 0.1, 3}, {2, 0, -4, 0.5, 1}, {2, -1, 1, 300, -1},
        {2, 1, 1, 10, 3},  {3, 0, 1, 0.01, 3}, {3, 0, -100, 2, 0.5},
    };
    for (const TurnCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "form " << c.Form << " para " << c.Para << " J " << c.J);
        const double v = kvor::CVTurningPoint(c.Form, c.Para, c.B1, c.B2, c.J, 0.001, 1e6);
        ASSERT_GT(v, 0.0);
        const auto V = [&](double u) {
            if (c.Form == 3) {
                return c.B1 + c.B2 * std::pow(u, c.J);
            }
            return c.Para == 0 ? std::pow(c.B1 + c.B2 * u, c.J)
                               : c.B1 * std::pow(c.B2 + c.Para * u, c.J);
        };
        const double scale = std::sqrt(V(v)) / v / v;
        EXPECT_NEAR(CVDerivative(V, v) / scale, 0.0, 1e-6);
    }
}

TEST(CVTurningPoint, GivesMinusOneWhenThereIsNoneInTheRange) {
    for (int form : {2, 3, 4}) {
        EXPECT_EQ(kvor::CVTurningPoint(form, 0, 1, 0.1, 2, 0.001, 1e6), -1.0);
    }
    EXPECT_EQ(kvor::CVTurningPoint(2, 0, 1, 0.1, 3, 0.001, 20.0), -1.0); // at the end: excluded
    EXPECT_EQ(kvor::CVTurningPoint(2, 0, 1, 0.1, 3, 20.0, 50.0), -1.0);
    EXPECT_EQ(kvor::CVTurningPoint(2, 0, 1, 0, 3, 0.001, 1e6), -1.0);      // division by zero
    EXPECT_EQ(kvor::CVTurningPoint(3, 0, -1, 0.1, 2.5, 0.001, 1e6), -1.0); // root of a negative
    EXPECT_EQ(kvor::CVTurningPoint(3, 0, 1, 0.1, 0, 0.001, 1e6), -1.0);    // 1/J fails
    EXPECT_EQ(kvor::CVTurningPoint(4, 0, 1, 0.1, 3, 0.001, 1e6), -1.0);
}

TEST(Calc4PRegCVMinMax, CodesAMaximumAndAMinimumBySign) {
    // V = -0.5 + 3v + v^3: turning points at the roots of v^3 - 3v + 1, 2 cos 80° and 2 cos 40°;
    // the coefficient of variation rises to the first and falls to the second.
    const double degree = std::numbers::pi / 180;
    const kvor::CVTurningPoints points = kvor::Calc4PRegCVMinMax(-0.5, 3, 1, 3, 0.2, 3);
    EXPECT_NEAR(points.R1, 2 * std::cos(80 * degree), 1e-6);
    EXPECT_NEAR(points.R2, -2 * std::cos(40 * degree), 1e-6);
}

TEST(Calc4PRegCVMinMax, SingleMinimumAndNone) {
    // V = 1 + 0.001 v^3: one minimum where 0.001 v^3 = 2.
    kvor::CVTurningPoints points = kvor::Calc4PRegCVMinMax(1, 0, 0.001, 3, 1, 100);
    EXPECT_NEAR(points.R1, -std::cbrt(2000.0), 1e-6);
    EXPECT_EQ(points.R2, kvor::NoTurningPoint);

    // The same function on a range below its turning point has none.
    points = kvor::Calc4PRegCVMinMax(1, 0, 0.001, 3, 1, 10);
    EXPECT_GT(points.R1, 1e199);
    EXPECT_GT(points.R2, 1e199);
}

TEST(CVRootSearch, RefusesRootsAtTheEndsAndLargeResiduals) {
    // f(v) = v^3 - 8 - 0 v (J = 3, B3 = 1, B1 = 4): root 2.
    EXPECT_NEAR(kvor::CVRootSearch(4, 0, 1, 3, 1, 5), 2.0, 1e-7);
    EXPECT_EQ(kvor::CVRootSearch(4, 0, 1, 3, 2, 5), kvor::NoTurningPoint);
    EXPECT_EQ(kvor::CVRootSearch(4, 0, 1, 3, 3, 5), kvor::NoTurningPoint);
    // Negative levels with a fractional power give NaN: no root.
    EXPECT_EQ(kvor::CVRootSearch(4, 0, 1, 2.5, -5, -1), kvor::NoTurningPoint);
}

TEST(VarianceFunctions, StayFiniteAndFlooredOverTheWholeCoefficientRange) {
    const double coefficients[] = {-999999999, -1, -1e-9, 0, 1e-9, 1, 999999999};
    const double exponents[] = {-65, -2.5, -1, 0, 0.5, 1, 2, 3.7, 65};
    const double levels[] = {-1e7, -1, 0, 1e-12, 1, 1e7};
    for (const int form : {2, 3, 4}) {
        for (const int para : {-1, 0, 1}) {
            for (const double B1 : coefficients) {
                for (const double B2 : coefficients) {
                    for (const double J : exponents) {
                        const double B3 = B2 / 3;
                        for (const double v : levels) {
                            const double V = PVar(para, form, B1, B2, B3, J, v);
                            ASSERT_TRUE(std::isfinite(V) && V >= VarianceFloor)
                                << form << " " << para << " " << B1 << " " << B2 << " " << J << " "
                                << v;
                            const double P = VarianceForPlot({form, para, B1, B2, B3, J}, v);
                            ASSERT_TRUE(std::isfinite(P) && P > 0.0);
                        }
                        const kvor::WeightRange range =
                            WgtRange(para, form, B1, B2, B3, J, 1e-3, 1e7);
                        ASSERT_FALSE(std::isnan(range.Lower) || std::isnan(range.Upper))
                            << form << " " << para << " " << B1 << " " << B2 << " " << J;
                        const double turn = kvor::CVTurningPoint(form, para, B1, B2, J, 1e-3, 1e7);
                        ASSERT_TRUE(turn == -1.0 || (turn > 1e-3 && turn < 1e7));
                        if (form == 4 && para == 0) {
                            const kvor::CVTurningPoints points =
                                kvor::Calc4PRegCVMinMax(B1, B2, B3, J, 1e-3, 1e7);
                            ASSERT_FALSE(std::isnan(points.R1) || std::isnan(points.R2));
                        }
                    }
                }
            }
        }
    }
}

TEST(Weights, GiveWhatWeightGivesPointByPointAndLeaveTheCallersFlags) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double levels[] = {1, 2.5, 100, 0, -2, 1e300, nan, inf, 7};
    constexpr int n = static_cast<int>(std::size(levels));
    // Functions whose batches all succeed, and ones that fail at some levels only.
    const VarianceFunction functions[] = {{2, 0, 0.5, 0.02, 0, 2}, {3, 0, 1, 1, 0, 1.5},
                                          {2, 0, 1, 1e10, 0, 65},  {4, 0, 1, -1, 0.5, 3},
                                          {2, 1, 2, -3, 0, 2},     {3, 0, 1, 1, 0, -1}};
    for (const VarianceFunction& f : functions) {
        for (const int callerFlags : {0, FE_OVERFLOW, FE_INVALID | FE_DIVBYZERO}) {
            SCOPED_TRACE(testing::Message()
                         << "form " << f.Form << " J " << f.J << " flags " << callerFlags);
            double expected[n];
            for (int i = 0; i < n; ++i) {
                expected[i] = kvor::Weight(f, levels[i]);
            }
            std::feclearexcept(FE_ALL_EXCEPT);
            if (callerFlags != 0) {
                std::feraiseexcept(callerFlags);
            }
            double got[n];
            kvor::Weights(f, levels, got, n);
            const int left = std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
            std::feclearexcept(FE_ALL_EXCEPT);
            EXPECT_EQ(left, callerFlags);
            for (int i = 0; i < n; ++i) {
                EXPECT_EQ(std::bit_cast<std::uint64_t>(got[i]),
                          std::bit_cast<std::uint64_t>(expected[i]))
                    << "level " << levels[i];
            }
        }
    }
}
