#pragma once

namespace kvor {

struct DemingScratch;

// The fixed inputs of the Deming objective for one data set. YS, WX and WY live in the scratch.
struct DemingProblem {
    const double* X = nullptr;
    int N = 0;
    double Lam = 0; // ratio of the sample variances of X and Y
};

// Fills scratch.LamWY from the problem's Lam and the weights now in scratch.WY; to be called
// whenever either changes, before the objective is evaluated.
void PrepareDemingChi2(const DemingProblem& problem, DemingScratch& scratch);

// Weighted sum of squared residuals of the line at angle theta in the rescaled plane, less the
// offset c. Overwrites scratch.WC with the combined weights at theta and leaves the rescaled
// intercept and the weight sum in scratch.A and scratch.SumWC.
double DemingChi2(const DemingProblem& problem, double theta, double c, DemingScratch& scratch);

} // namespace kvor
