#pragma once

namespace kvor {

// The per-point loops of the weighted fit, kept apart so that faster versions can replace them.
// Every running sum is rounded to double after each addition; products are formed in extended
// precision.

struct WeightedSums {
    double SwX = 0;
    double SwXX = 0;
    double SwY = 0;
    double SwYY = 0;
    double SwXY = 0;
    double Sw = 0;
};

WeightedSums AccumulateWeightedSums(const double* w, const double* x, const double* y, int n);

// Sums about the weighted mean xbar: Num = sum w d y, Den = sum d^2 w with d = x - xbar.
struct WeightedCentredSums {
    double Num = 0;
    double Den = 0;
};

WeightedCentredSums AccumulateWeightedCentredSums(const double* w, const double* x, const double* y,
                                                  int n, double xbar);

} // namespace kvor
