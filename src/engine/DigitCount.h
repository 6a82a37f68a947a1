#pragma once

namespace kvor {

// Number of decimal digits of n (the sign not counted).
inline int DigitCount(int n) {
    int digits = 1;
    for (int rest = n < 0 ? -n : n; rest >= 10; rest /= 10) {
        ++digits;
    }
    return digits;
}

} // namespace kvor
