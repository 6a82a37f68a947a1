#pragma once

namespace kvor {

// Uncentred sums of the N pairs; each running value is rounded to double after every addition.
struct RawSums {
    double Sx = 0;
    double Sxx0 = 0;
    double Sy = 0;
    double Syy0 = 0;
    double Sxy0 = 0;
};

RawSums AccumulateRawSums(const double* x, const double* y, int n);

} // namespace kvor
