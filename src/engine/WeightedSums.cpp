#include "engine/WeightedSums.h"

#include "engine/ExtendedMath.h"

namespace kvor {

WeightedSums AccumulateWeightedSums(const double* w, const double* x, const double* y, int n) {
    WeightedSums s;
    for (int i = 0; i < n; ++i) {
        const ext wi = w[i];
        const ext wx = wi * x[i];
        const ext wy = wi * y[i];
        s.SwX = ToDouble(s.SwX + wx);
        s.SwXX = ToDouble(s.SwXX + wx * x[i]);
        s.SwY = ToDouble(s.SwY + wy);
        s.SwYY = ToDouble(s.SwYY + wy * y[i]);
        s.SwXY = ToDouble(s.SwXY + wx * y[i]);
        s.Sw = ToDouble(s.Sw + wi);
    }
    return s;
}

WeightedCentredSums AccumulateWeightedCentredSums(const double* w, const double* x, const double* y,
                                                  int n, double xbar) {
    WeightedCentredSums s;
    for (int i = 0; i < n; ++i) {
        const ext d = ToDouble(static_cast<ext>(x[i]) - xbar);
        s.Num = ToDouble(s.Num + w[i] * d * y[i]);
        s.Den = ToDouble(s.Den + d * d * w[i]);
    }
    return s;
}

} // namespace kvor
