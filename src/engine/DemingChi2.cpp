#include "engine/DemingChi2.h"

#include "engine/DemingScratch.h"
#include "engine/ExtendedMath.h"

#include <cmath>

namespace kvor {

namespace {

constexpr ext WeightCap = 1e30L;

} // namespace

void PrepareDemingChi2(const DemingProblem& problem, DemingScratch& scratch) {
    const ext lam = problem.Lam;
    for (int i = 0; i < problem.N; ++i) {
        scratch.LamWY[i] = lam / scratch.WY[i];
    }
}

// This is the fit's hot spot: it runs a few dozen times per pass over every point. Both loops
// follow the extended-precision rules (each stored value and running sum rounded to double).
double DemingChi2(const DemingProblem& problem, double theta, double c, DemingScratch& scratch) {
    const double* x = problem.X;
    const double* ys = scratch.YS.data();
    const double* wx = scratch.WX.data();
    const ext* lamWY = scratch.LamWY.data();
    double* wc = scratch.WC.data();
    const int n = problem.N;

    const double t = ToDouble(std::tan(static_cast<ext>(theta)));
    const ext t2 = static_cast<ext>(t) * t;
    ++scratch.Evaluations;

    double sumW = 0;
    double sumWX = 0;
    double sumWY = 0;
    for (int i = 0; i < n; ++i) {
        const ext w = 1.0L / (t2 / wx[i] + lamWY[i]);
        const double wi = ToDouble(w > WeightCap ? WeightCap : w);
        wc[i] = wi;
        sumW = ToDouble(static_cast<ext>(sumW) + wi);
        sumWX = ToDouble(sumWX + static_cast<ext>(wi) * x[i]);
        sumWY = ToDouble(sumWY + static_cast<ext>(wi) * ys[i]);
    }
    const double xw = ToDouble(static_cast<ext>(sumWX) / sumW);
    const double yw = ToDouble(static_cast<ext>(sumWY) / sumW);
    const double a = ToDouble(yw - static_cast<ext>(t) * xw);

    double chi2 = 0;
    for (int i = 0; i < n; ++i) {
        const ext r = ys[i] - static_cast<ext>(a) - static_cast<ext>(t) * x[i];
        chi2 = ToDouble(chi2 + wc[i] * r * r);
    }

    scratch.A = a;
    scratch.SumWC = sumW;
    return ToDouble(chi2 - static_cast<ext>(c));
}

} // namespace kvor
