#include "engine/RawSums.h"

#include "engine/ExtendedMath.h"

namespace kvor {

RawSums AccumulateRawSums(const double* x, const double* y, int n) {
    RawSums s;
    for (int i = 0; i < n; ++i) {
        const ext xi = x[i];
        const ext yi = y[i];
        s.Sx = ToDouble(s.Sx + xi);
        s.Sxx0 = ToDouble(s.Sxx0 + xi * xi);
        s.Sy = ToDouble(s.Sy + yi);
        s.Syy0 = ToDouble(s.Syy0 + yi * yi);
        s.Sxy0 = ToDouble(s.Sxy0 + xi * yi);
    }
    return s;
}

} // namespace kvor
