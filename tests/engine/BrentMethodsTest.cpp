#include "engine/BrentMethods.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace {

TEST(BrentMinimise, FindsTheMinimumInsideTheDownhillBracket) {
    struct Case {
        const char* Name;
        std::function<double(double)> F;
        double Start;
        double Minimum;
    };
    const std::vector<Case> cases = {
        {"parabola", [](double x) { return (x - 2) * (x - 2) + 1; }, 0.5, 2.0},
        {"cosine from the left", [](double x) { return std::cos(x); }, 1.0, std::numbers::pi},
        {"cosine walking backwards", [](double x) { return std::cos(x); }, -0.5, -std::numbers::pi},
        {"quartic", [](double x) { return std::pow(x - 0.3, 4) + x * x; }, 3.0,
         0.03656409901309152},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const kvor::MinimumBracket br =
            kvor::BracketMinimum(0.0, c.Start, c.F(0.0), c.F(c.Start), c.F);
        EXPECT_LE(br.Fb, br.Fa);
        EXPECT_LE(br.Fb, br.Fc);
        EXPECT_GT((br.Bx - br.Ax) * (br.Cx - br.Bx), 0.0) << "middle point not between the ends";
        const kvor::MinimumPoint m = kvor::BrentMinimise(br, 1e-6, c.F);
        EXPECT_NEAR(m.X, c.Minimum, 2e-6 * std::fabs(c.Minimum) + 1e-9);
        EXPECT_DOUBLE_EQ(m.F, c.F(m.X));
    }
}

TEST(BrentRoot, FindsTheRootBetweenTheEnds) {
    struct Case {
        const char* Name;
        std::function<double(double)> F;
        double X1;
        double X2;
        double Root;
    };
    const std::vector<Case> cases = {
        {"cosine", [](double x) { return std::cos(x); }, 3.0, 0.0, std::numbers::pi / 2},
        {"cubic", [](double x) { return x * x * x - 2; }, 0.0, 4.0, std::cbrt(2.0)},
        {"steep exponential", [](double x) { return std::exp(10 * x) - 5; }, -1.0, 1.0,
         std::log(5.0) / 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_NEAR(kvor::BrentRoot(c.X1, c.X2, 1e-6, c.F), c.Root, 1e-6);
    }
}

} // namespace
