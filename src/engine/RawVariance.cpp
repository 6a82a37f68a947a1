#include "engine/RawVariance.h"

#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/Power.h"

#include <cmath>

namespace kvor {

std::optional<double> RawVariance(const VarianceFunction& f, double v) {
    const FloatGuard guard;
    // The volatile store finishes the arithmetic before the flags are read.
    volatile double value = 0;
    switch (f.Form) {
    case 2: {
        const double base =
            f.Para == 0 ? static_cast<ext>(f.B1) + f.B2 * v : static_cast<ext>(f.Para) * v + f.B2;
        const double power = Power(base, f.J);
        value = f.Para == 0 ? power : ToDouble(f.B1 * static_cast<ext>(power));
        break;
    }
    case 3:
        value = f.B1 + f.B2 * Power(v, f.J);
        break;
    case 4:
        value = f.B1 + static_cast<ext>(f.B2) * v + f.B3 * Power(v, f.J);
        break;
    default:
        return std::nullopt;
    }
    const double result = value;
    if (guard.Failed() || std::isnan(result)) {
        return std::nullopt;
    }
    return result;
}

std::optional<double> Form4StationaryPoint(const VarianceFunction& f, double lo, double hi) {
    const FloatGuard guard;
    const ext b3j = static_cast<ext>(f.B3) * f.J;
    if (b3j == 0 || f.J == 1) {
        return std::nullopt;
    }
    const double q = -f.B2 / b3j;
    if (!(q > 0)) {
        return std::nullopt;
    }
    const double exponent = 1 / (static_cast<ext>(f.J) - 1);
    const volatile double power = Power(q, exponent);
    const double vx = power;
    if (guard.Failed() || !(1.00001L * lo < vx && vx < 0.99999L * hi)) {
        return std::nullopt;
    }
    return vx;
}

} // namespace kvor
