#include "engine/Power.h"

#include <cmath>

namespace kvor {

namespace {

constexpr long double MaxIntegralExponent = 2147483647.0L;

long double IntegralPower(long double x, long long n) {
    unsigned long long bits =
        n < 0 ? static_cast<unsigned long long>(-n) : static_cast<unsigned long long>(n);
    long double result = 1.0L;
    long double square = x;
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

long double Power(long double x, long double e) {
    if (e == std::trunc(e) && std::fabs(e) <= MaxIntegralExponent) {
        return IntegralPower(x, static_cast<long long>(e));
    }
    if (x == 0.0L) {
        return 0.0L;
    }
    return std::exp(e * std::log(x));
}

} // namespace kvor
