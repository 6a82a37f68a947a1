#pragma once

#include <cmath>

namespace kvor {

// Fixed-seed runs reproduce only when every expression is evaluated in extended precision (x87
// long double) and rounded to double when it is stored in a named variable or an element.
using ext = long double;

// The rounding to double of a value being stored.
inline double ToDouble(ext value) {
    return static_cast<double>(value);
}

// Rounds to the nearest integer with halves to even (the default rounding mode).
inline ext RoundHalfEven(ext value) {
    return std::nearbyint(value);
}

} // namespace kvor
