#pragma once

#include <algorithm>
#include <functional>

namespace kvor {

// Rounding can leave a small positive spread when every X is the same (seven times 0.1, say), and
// a fit would then report a huge slope; equal X-values are degenerate whatever the sums say.
// Stops at the first differing value, so real data cost one comparison.
inline bool AllXEqual(const double* x, int n) {
    return std::adjacent_find(x, x + n, std::not_equal_to<>()) == x + n;
}

} // namespace kvor
