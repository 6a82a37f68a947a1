#pragma once

#include <cmath>

namespace kvor {

// Rounds to the nearest integer with halves to even (the default rounding mode).
inline long double RoundHalfEven(long double value) {
    return std::nearbyint(value);
}

} // namespace kvor
