#include "engine/VarianceFunctions.h"

#include "engine/BrentMethods.h"
#include "engine/ExtendedMath.h"

#include "engine/FloatGuard.h"
#include "engine/Power.h"

#include <cfenv>
#include <cmath>

namespace kvor {

namespace {

constexpr int WatchedFlags = FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO;

// Evaluates under a floating-point guard for a routine that turns its own failures into a value:
// the caller's flags are left exactly as they were, neither cleared nor raised. Saving and
// restoring the flag state is slow and these run for every point of a weighted fit, so that is
// done only when the caller already has a flag raised. The volatile store makes the arithmetic
// finish before the flags are read.
template <typename Evaluation> bool EvaluateGuarded(Evaluation evaluate, double& result) {
    if (std::fetestexcept(WatchedFlags) != 0) {
        std::fexcept_t saved{};
        std::fegetexceptflag(&saved, WatchedFlags);
        const FloatGuard guard;
        const volatile double value = evaluate();
        result = value;
        const bool failed = guard.Failed();
        std::fesetexceptflag(&saved, WatchedFlags);
        return !failed;
    }
    const volatile double value = evaluate();
    result = value;
    const int raised = std::fetestexcept(WatchedFlags);
    if (raised != 0) {
        std::feclearexcept(raised);
        return false;
    }
    return true;
}

double EngineVariance(int Para, int Form, double B1, double B2, double B3, double J, double v) {
    switch (Form) {
    case 2: {
        double base = Para == 0 ? B1 + ext(B2) * v : ext(Para) * v + B2;
        if (base <= VarianceFloor) {
            base = VarianceFloor;
        }
        double V = Power(base, J);
        if (Para != 0) {
            V = ext(B1) * V;
        }
        return V;
    }
    case 3:
        return B1 + B2 * Power(v, J);
    case 4:
        return B1 + ext(B2) * v + B3 * Power(v, J);
    default:
        return 0.0;
    }
}

double PlotVariance(const VarianceFunction& f, double v) {
    switch (f.Form) {
    case 2: {
        double base = f.Para == 0 ? f.B1 + ext(f.B2) * v : ext(f.Para) * v + f.B2;
        if (!(base > 0.0)) {
            base = VarianceFloor;
        }
        double V = Power(base, f.J);
        if (f.Para != 0) {
            V = ext(f.B1) * V;
        }
        return V;
    }
    case 3:
        return f.B1 + f.B2 * Power(v, f.J);
    case 4:
        return f.B1 + ext(f.B2) * v + f.B3 * Power(v, f.J);
    default:
        return 0.0;
    }
}

double WeightRoot(int Para, int Form, double B1, double B2, double J) {
    double r = 0.0;
    if (Form == 2 && Para == 0) {
        r = B2 == 0.0 ? 0.0 : -ext(B1) / B2;
    } else if (Form == 2) {
        r = -ext(Para) * B2;
    } else if (B2 != 0.0) {
        const ext ratio = -ext(B1) / B2;
        r = ratio > 0.0L ? Power(ratio, 1.0L / J) : 0.0L;
    }
    return r < 0.0 ? 0.0 : r;
}

// Form 4 without a floor: B3 u^J + (B2 u + B1).
ext Form4Variance(double B1, double B2, double B3, double J, double u) {
    return B3 * Power(u, J) + (ext(B2) * u + B1);
}

double Form4LowerLimit(double B1, double B2, double B3, double J, double LowerY) {
    if (!(LowerY > 0.0)) {
        return 0.0;
    }
    double lower = LowerY;
    for (int i = 1; i <= 20; ++i) {
        const double u = LowerY - i * (ext(LowerY) / 20);
        if (u <= 0.0 || Form4Variance(B1, B2, B3, J, u) <= 0.0L) {
            break;
        }
        lower = u;
    }
    return lower;
}

double Form4UpperLimit(double B1, double B2, double B3, double J, double UpperY) {
    const double far = 100 * ext(UpperY);
    if (Form4Variance(B1, B2, B3, J, far) > 0.0L) {
        return far;
    }
    double upper = UpperY;
    for (int i = 1; i <= 50; ++i) {
        const double u = UpperY + i * (ext(UpperY) / 100);
        if (Form4Variance(B1, B2, B3, J, u) <= 0.0L) {
            break;
        }
        upper = u;
    }
    return upper;
}

constexpr double NoUpperLimit = 1e300;

// Stationary points of sqrt(V)/v for form 4 are the roots of this.
ext CVSlope(double B1, double B2, double B3, double J, double y) {
    return Power(y, J) * (ext(J) - 2) * B3 - 2 * ext(B1) - ext(B2) * y;
}

ext Form4CV(double B1, double B2, double B3, double J, double v) {
    return std::sqrt(B3 * Power(v, J) + ext(B2) * v + B1) / v;
}

bool IsNone(double r) {
    return r > 1e199;
}

} // namespace

double PVar(int Para, int Form, double B1, double B2, double B3, double J, double v) {
    double V = 0.0;
    if (!EvaluateGuarded([&] { return EngineVariance(Para, Form, B1, B2, B3, J, v); }, V)) {
        return VarianceFloor;
    }
    // Quiet comparison: a NaN that came in must not raise a flag on the way out.
    return std::isgreater(V, VarianceFloor) ? V : VarianceFloor;
}

double PVar(const VarianceFunction& f, double v) {
    return PVar(f.Para, f.Form, f.B1, f.B2, f.B3, f.J, v);
}

WeightRange WgtRange(const VarianceFunction& f, double LowerY, double UpperY) {
    return WgtRange(f.Para, f.Form, f.B1, f.B2, f.B3, f.J, LowerY, UpperY);
}

double Clamp(double v, WeightRange limits) {
    if (limits.Lower > v) {
        return limits.Lower;
    }
    if (v > limits.Upper) {
        return limits.Upper;
    }
    return v;
}

double Weight(const VarianceFunction& f, double v) {
    return ToDouble(1.0L / PVar(f, v));
}

void Weights(const VarianceFunction& f, const double* v, double* w, int n) {
    // A weight's value does not depend on the flags raised before it, and it leaves them as they
    // were: so the caller's flags are set aside, the batch runs with the flags clear, and only a
    // batch that raised one is evaluated again point by point.
    const bool callerRaised = std::fetestexcept(WatchedFlags) != 0;
    std::fexcept_t saved{};
    if (callerRaised) {
        std::fegetexceptflag(&saved, WatchedFlags);
        std::feclearexcept(WatchedFlags);
    }
    for (int i = 0; i < n; ++i) {
        const volatile double value = EngineVariance(f.Para, f.Form, f.B1, f.B2, f.B3, f.J, v[i]);
        w[i] = value;
    }
    if (std::fetestexcept(WatchedFlags) == 0) {
        for (int i = 0; i < n; ++i) {
            const double V = std::isgreater(w[i], VarianceFloor) ? w[i] : VarianceFloor;
            w[i] = ToDouble(1.0L / V);
        }
    } else {
        std::feclearexcept(WatchedFlags);
        for (int i = 0; i < n; ++i) {
            w[i] = Weight(f, v[i]);
        }
    }
    if (callerRaised) {
        std::fesetexceptflag(&saved, WatchedFlags);
    }
}

double VarianceForPlot(const VarianceFunction& f, double v) {
    double V = 0.0;
    if (!EvaluateGuarded([&] { return PlotVariance(f, v); }, V)) {
        return VarianceFloor;
    }
    return std::isgreater(V, 0.0) ? V : VarianceFloor;
}

WeightRange WgtRange(int Para, int Form, double B1, double B2, double B3, double J, double LowerY,
                     double UpperY) {
    if (Form == 4) {
        return {Form4LowerLimit(B1, B2, B3, J, LowerY), Form4UpperLimit(B1, B2, B3, J, UpperY)};
    }
    const double r = WeightRoot(Para, Form, B1, B2, J);
    // Without a positive root the variance is positive over all positive levels; data dipping
    // below zero must not pull the upper limit down to a thousandth of the top.
    if (LowerY >= r || r <= 0.0) {
        const double lower = r > 0.0 ? r + (ext(LowerY) - r) / 1000 : 0.0;
        return {lower, NoUpperLimit};
    }
    const double upper = r - (ext(r) - UpperY) / 1000;
    // A root out of range (say form 3 with J = 0) leaves nothing to clamp against.
    return {0.0, std::isfinite(upper) ? upper : NoUpperLimit};
}

double CVTurningPoint(int Form, int Para, double B1, double B2, double J, double lo, double hi) {
    if (J == 2.0 || (Form != 2 && Form != 3) ||
        (Form == 2 && Para != 0 && Para != -1 && Para != 1)) {
        return -1.0;
    }
    double v = 0.0;
    const bool ok = EvaluateGuarded(
        [&]() -> double {
            if (Form == 3) {
                return Power(2 * ext(B1) / ((ext(J) - 2) * B2), 1 / ext(J));
            }
            if (Para == 0) {
                return 2 * ext(B1) / ((ext(J) - 2) * B2);
            }
            return Para * 2 * ext(B2) / (ext(J) - 2);
        },
        v);
    return ok && std::isless(lo, v) && std::isless(v, hi) ? v : -1.0;
}

double CVRootSearch(double B1, double B2, double B3, double J, double x1, double x2) {
    constexpr int MaxIterations = 35;
    constexpr double Tolerance = 1e-7;
    const RootSearch search =
        BrentRootSearch(x1, x2, Tolerance, MaxIterations,
                        [&](double y) -> double { return CVSlope(B1, B2, B3, J, y); });
    if (!search.Converged) {
        return NoTurningPoint;
    }
    const double b = search.Root;
    const bool atEnd = std::fabs(ext(b) - x1) < 1e-14L || std::fabs(ext(b) - x2) < 1e-14L;
    // A NaN residual is no root either.
    const bool closeToZero = std::fabs(search.Residual) <= 1e-6;
    return atEnd || !closeToZero ? NoTurningPoint : b;
}

CVTurningPoints Calc4PRegCVMinMax(double B1, double B2, double B3, double J, double A, double B) {
    double r1 = CVRootSearch(B1, B2, B3, J, A, B);
    if (IsNone(r1)) {
        return {r1, NoTurningPoint};
    }
    double r2 = NoTurningPoint;
    if (std::fabs(ext(r1) - A) < 1e-12L) {
        r1 = A;
        r2 = CVRootSearch(B1, B2, B3, J, A + (ext(B) - A) / 100, B);
    } else if (std::fabs(ext(r1) - B) < 1e-12L) {
        r1 = B;
        r2 = CVRootSearch(B1, B2, B3, J, A, B - (ext(B) - A) / 100);
    } else {
        r2 = CVRootSearch(B1, B2, B3, J, A, r1);
        if (IsNone(r2)) {
            r2 = CVRootSearch(B1, B2, B3, J, r1, B);
        }
    }
    if (!IsNone(r2) && r2 < r1) {
        const double swap = r1;
        r1 = r2;
        r2 = swap;
    }
    const double t = 1.001L * r1;
    if (Form4CV(B1, B2, B3, J, t) > Form4CV(B1, B2, B3, J, r1)) {
        r1 = -r1;
    }
    if (!IsNone(r2) && r1 > 0.0) {
        r2 = -r2;
    }
    return {r1, r2};
}

} // namespace kvor
