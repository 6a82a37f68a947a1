#pragma once

#include "engine/ExtendedMath.h"

#include <cmath>

namespace kvor {

// Natural logarithm of an x in (0, 1), the hot step of every Gaussian deviate. On x87 it is the
// library's own algorithm without the call and the domain checks: ln 2 x log2(x) far from 1, and
// ln 2 x log2(1 + (x - 1)) within 0.29 of 1, where it keeps its accuracy. The results are the
// library's to the last bit.
inline ext UnitLog(ext x) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    ext result;
    const ext xMinus1 = x - 1.0L;
    if (std::fabs(xMinus1) > static_cast<ext>(0.29)) {
        __asm__("fldln2\n\tfxch\n\tfyl2x" : "=t"(result) : "0"(x) : "st(1)");
    } else {
        __asm__("fldln2\n\tfxch\n\tfyl2xp1" : "=t"(result) : "0"(xMinus1) : "st(1)");
    }
    return result;
#else
    return std::log(x);
#endif
}

} // namespace kvor
