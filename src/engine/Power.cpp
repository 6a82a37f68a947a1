#include "engine/Power.h"

#include "engine/ExtendedMath.h"

#include <cmath>

namespace kvor {

namespace {

constexpr ext MaxIntegralExponent = 2147483647.0L;

ext IntegralPower(ext x, long long n) {
    unsigned long long bits =
        n < 0 ? static_cast<unsigned long long>(-n) : static_cast<unsigned long long>(n);
    ext result = 1.0L;
    ext square = x;
    while (bits != 0) {
        if ((bits & 1U) != 0) {
            result *= square;
        }
        bits >>= 1U;
        if (bits != 0) {
            square *= square;
        }
    }
    return n < 0 ? 1.0L / result : result;
}

} // namespace

ext Power(ext x, ext e) {
    if (e == std::trunc(e) && std::fabs(e) <= MaxIntegralExponent) {
        return IntegralPower(x, static_cast<long long>(e));
    }
    if (x == 0.0L) {
        return 0.0L;
    }
    return std::exp(e * std::log(x));
}

} // namespace kvor
