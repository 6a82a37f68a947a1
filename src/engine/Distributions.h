#pragma once

namespace kvor {

// Two-sided t quantile: the t with P(|T| > t) = p for df degrees of freedom.
double TQuantile(int df, double p);
// Upper-tail F quantile: the F with P(F > f) = p for df1 and df2 degrees of freedom.
double FQuantile(int df1, int df2, double p);
// Two-sided P-value of a standard normal deviate z.
double NormalTwoSidedP(double z);
// Regularised incomplete beta function I_x(a, b).
double IncompleteBeta(double a, double b, double x);

// ln Gamma(x) for x > 0 by a six-term Lanczos series.
double LogGamma(double x);
// Continued-fraction factor of I_x(a, b), converged only to a relative step of 0.0025.
double BetaContinuedFraction(double a, double b, double x);

} // namespace kvor
