#pragma once

namespace kvor {

struct LeastSquaresSums;
struct RegressionOutcome;
struct RunControl;
struct VisFitSettings;
struct VisSetFit;

// max(0, Syy - Sxy^2 / Sxx).
double ResidualSum(double syy, double sxy, double sxx);

// The steps the OLS and WLS visualisation fits share once their estimates and sums are known:
// the intervals, the region test and the outline, each followed by an abort check. False when the
// run was aborted or a floating-point failure spoiled a step.
bool FinishLeastSquaresFit(const RegressionOutcome& estimate, const LeastSquaresSums& sums,
                           const VisFitSettings& settings, const RunControl& control,
                           VisSetFit& fit);

} // namespace kvor
