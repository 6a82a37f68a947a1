#pragma once

namespace kvor {

struct WeightRange {
    double Lower;
    double Upper;
};

// Variance at level v of the function (Form, Para, B1, B2, B3, J), floored at 1e-14.
double PVar(int Para, int Form, double B1, double B2, double B3, double J, double v);

// Range of variances over [LowerY, UpperY] that bounds the weights of a weighted fit.
WeightRange WgtRange(int Para, int Form, double B1, double B2, double B3, double J, double LowerY,
                     double UpperY);

} // namespace kvor
