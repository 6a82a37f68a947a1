#pragma once

#include "engine/ExtendedMath.h"

namespace kvor {

// x raised to e in extended precision. An integral e (|e| <= 2147483647) is applied by repeated
// squaring, so x^0 = 1 for every x and a negative x keeps its sign rule; any other e goes through
// exp(e * ln x), with 0^e = 0. A negative x with a fractional e raises the invalid flag, 0 to a
// negative integer raises divide-by-zero, and a result out of range raises overflow.
ext Power(ext x, ext e);

} // namespace kvor
