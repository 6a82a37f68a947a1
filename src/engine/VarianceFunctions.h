#pragma once

#include "engine/StudyDesign.h"

namespace kvor {

// No variance is ever taken below this, so weights and error SDs stay finite.
inline constexpr double VarianceFloor = 1e-14;
// What the turning-point searches give when there is none; callers test for > 1e199.
inline constexpr double NoTurningPoint = 1e200;

struct WeightRange {
    double Lower;
    double Upper;
};

// Variance at level v of the function (Form, Para, B1, B2, B3, J), floored at 1e-14.
double PVar(int Para, int Form, double B1, double B2, double B3, double J, double v);
double PVar(const VarianceFunction& f, double v);

// v clamped into the limits of a weighted fit; a NaN stays NaN.
double Clamp(double v, WeightRange limits);

// The weight 1/V of a point at level v.
double Weight(const VarianceFunction& f, double v);

// w[i] = Weight(f, v[i]) for n levels, with the same values and the caller's floating-point flags
// left alone as Weight leaves them, but the flags tested once for the whole batch unless a point
// fails.
void Weights(const VarianceFunction& f, const double* v, double* w, int n);

// The plot's evaluation: a small positive base or result is kept, only non-positive values and
// floating-point failures become 1e-14, and an unknown form gives 1e-14.
double VarianceForPlot(const VarianceFunction& f, double v);

// Range of variances over [LowerY, UpperY] that bounds the weights of a weighted fit.
WeightRange WgtRange(int Para, int Form, double B1, double B2, double B3, double J, double LowerY,
                     double UpperY);
WeightRange WgtRange(const VarianceFunction& f, double LowerY, double UpperY);

// Level in (lo, hi) where sqrt(V)/v is stationary for forms 2 and 3, or -1 when there is none.
double CVTurningPoint(int Form, int Para, double B1, double B2, double J, double lo, double hi);

// Form 4 turning points of sqrt(V)/v, each negative for a minimum, positive for a maximum, or
// NoTurningPoint.
struct CVTurningPoints {
    double R1;
    double R2;
};
CVTurningPoints Calc4PRegCVMinMax(double B1, double B2, double B3, double J, double A, double B);

// Brent's root search of v^J (J - 2) B3 - 2 B1 - B2 v on (x1, x2); NoTurningPoint when it finds
// no root away from the ends.
double CVRootSearch(double B1, double B2, double B3, double J, double x1, double x2);

} // namespace kvor
