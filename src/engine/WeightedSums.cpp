#include "engine/WeightedSums.h"

namespace kvor {

WeightedSums AccumulateWeightedSums(const double* w, const double* x, const double* y, int n) {
    WeightedSums s;
    for (int i = 0; i < n; ++i) {
        const long double wi = w[i];
        const long double wx = wi * x[i];
        const long double wy = wi * y[i];
        s.SwX = static_cast<double>(s.SwX + wx);
        s.SwXX = static_cast<double>(s.SwXX + wx * x[i]);
        s.SwY = static_cast<double>(s.SwY + wy);
        s.SwYY = static_cast<double>(s.SwYY + wy * y[i]);
        s.SwXY = static_cast<double>(s.SwXY + wx * y[i]);
        s.Sw = static_cast<double>(s.Sw + wi);
    }
    return s;
}

WeightedCentredSums AccumulateWeightedCentredSums(const double* w, const double* x, const double* y,
                                                  int n, double xbar) {
    WeightedCentredSums s;
    for (int i = 0; i < n; ++i) {
        const long double d = static_cast<double>(static_cast<long double>(x[i]) - xbar);
        s.Num = static_cast<double>(s.Num + w[i] * d * y[i]);
        s.Den = static_cast<double>(s.Den + d * d * w[i]);
    }
    return s;
}

} // namespace kvor
