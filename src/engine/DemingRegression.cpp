#include "engine/DemingRegression.h"

#include "engine/BrentMethods.h"
#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/DemingChi2.h"
#include "engine/DemingScratch.h"
#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/Reweighting.h"
#include "engine/StudyDesign.h"
#include "engine/TruePointWeights.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace kvor {

namespace {

constexpr double UpperStartAngle = 1.571;
// Period used for angular distances; a touch below pi.
constexpr double AnglePeriod = 3.14159265;
constexpr double NoDistance = 1e30;
constexpr double MinimiseTolerance = 1e-6;
constexpr double RootTolerance = 1e-6;
struct Limits {
    WeightRange X;
    WeightRange Y;
};

void ObservedWeights(const StudyDesign& design, const DataSet& data, const Limits& limits,
                     DemingScratch& scratch) {
    scratch.Evaluated.clear();
    for (int i = 0; i < data.N; ++i) {
        scratch.LevelX[i] = Clamp(data.X[i], limits.X);
        scratch.LevelY[i] = Clamp(data.Y[i], limits.Y);
    }
    Weights(design.XVariance, scratch.LevelX.data(), scratch.WX.data(), data.N);
    Weights(design.YVariance, scratch.LevelY.data(), scratch.WY.data(), data.N);
}

// (sum d^2 - (sum d)^2 / n) / (n - 1) with d the deviations from the mean.
double SampleVariance(const double* v, int n) {
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        sum = ToDouble(sum + static_cast<ext>(v[i]));
    }
    const double mean = ToDouble(static_cast<ext>(sum) / n);
    double sumD = 0;
    double sumD2 = 0;
    for (int i = 0; i < n; ++i) {
        const double d = ToDouble(static_cast<ext>(v[i]) - mean);
        sumD = ToDouble(sumD + static_cast<ext>(d));
        sumD2 = ToDouble(sumD2 + static_cast<ext>(d) * d);
    }
    return ToDouble((sumD2 - static_cast<ext>(sumD) * sumD / n) / (n - 1));
}

// Fills YS and returns the weighted least-squares slope in the rescaled plane, with the
// combined weights of the observed values at unit slope.
double StartingSlope(const DataSet& data, double lam, double s, DemingScratch& scratch) {
    const int n = data.N;
    double sumW = 0;
    double sumWX = 0;
    for (int i = 0; i < n; ++i) {
        const double w =
            ToDouble(1.0L / (1.0L / scratch.WX[i] + lam / static_cast<ext>(scratch.WY[i])));
        scratch.WC[i] = w;
        scratch.YS[i] = ToDouble(static_cast<ext>(s) * data.Y[i]);
        sumW = ToDouble(sumW + static_cast<ext>(w));
        sumWX = ToDouble(sumWX + static_cast<ext>(w) * data.X[i]);
    }
    const double xbar = ToDouble(static_cast<ext>(sumWX) / sumW);
    double num = 0;
    double den = 0;
    for (int i = 0; i < n; ++i) {
        const ext d = static_cast<ext>(data.X[i]) - xbar;
        num = ToDouble(num + scratch.WC[i] * d * scratch.YS[i]);
        den = ToDouble(den + scratch.WC[i] * d * d);
    }
    return ToDouble(static_cast<ext>(num) / den);
}

struct PassFit {
    double Theta = 0;
    double FMin = 0;
};

// The minimisation's record of the objective at theta, when it was evaluated with the weights
// now in the scratch.
const DemingScratch::EvaluatedAngle* EvaluatedAt(double theta, const DemingScratch& scratch) {
    const auto& seen = scratch.Evaluated;
    for (auto it = seen.rbegin(); it != seen.rend(); ++it) {
        if (std::bit_cast<std::uint64_t>(it->Theta) == std::bit_cast<std::uint64_t>(theta)) {
            return &*it;
        }
    }
    return nullptr;
}

// The objective less c at theta, taken from the record with A and SumWC put back as that
// evaluation left them, or evaluated when there is none.
double ObjectiveAt(const DemingProblem& problem, double theta, double c, DemingScratch& scratch) {
    const DemingScratch::EvaluatedAngle* seen = EvaluatedAt(theta, scratch);
    if (seen == nullptr) {
        return DemingChi2(problem, theta, c, scratch);
    }
    scratch.A = seen->A;
    scratch.SumWC = seen->SumWC;
    return ToDouble(static_cast<ext>(seen->F) - static_cast<ext>(c));
}

// One minimisation over the angle: the stored starting triple, the downhill bracket and Brent's
// minimiser. A and SumWC are left as they are at the minimum.
PassFit MinimiseOverAngle(const DemingProblem& problem, double start, DemingScratch& scratch) {
    PrepareDemingChi2(problem, scratch);
    scratch.Evaluated.clear();
    const auto chi2 = [&](double theta) {
        const double f = DemingChi2(problem, theta, 0.0, scratch);
        if (scratch.Evaluated.size() < DemingScratch::MaxRecordedAngles) {
            scratch.Evaluated.push_back({theta, f, scratch.A, scratch.SumWC});
        }
        return f;
    };
    const double f0 = chi2(0.0);
    const double fStart = chi2(start);
    const double fUpper = chi2(UpperStartAngle);
    const MinimumBracket bracket = BracketMinimum(0.0, start, f0, fStart, chi2);
    scratch.StoredAngles = {0.0, start, UpperStartAngle, bracket.Ax, bracket.Bx, bracket.Cx};
    scratch.StoredValues = {f0, fStart, fUpper, bracket.Fa, bracket.Fb, bracket.Fc};
    const MinimumPoint best = BrentMinimise(bracket, MinimiseTolerance, chi2);
    return {best.X, ObjectiveAt(problem, best.X, 0.0, scratch)};
}

double DataSlope(double theta, double s) {
    return ToDouble(std::tan(static_cast<ext>(theta)) / s);
}

struct AngleFit {
    kvor::FailCode FailCode = NoFailure;
    double Theta = 0;
    double FMin = 0;
};

// The passes: minimise over the angle, reweight at the estimated true points, and stop once the
// slope settles; the last pass falls back to the weights at the observed values.
AngleFit FitAngle(const StudyDesign& design, const DataSet& data, const Limits& limits,
                  const DemingProblem& problem, double s, double startAngle,
                  DemingScratch& scratch) {
    FloatGuard guard;
    double estimate = startAngle;
    ReweightingSchedule schedule;
    PassFit fit;
    for (int pass = 1; pass <= ReweightingSchedule::LastPass; ++pass) {
        scratch.Passes = pass;
        schedule.StartPass(pass);
        guard.Reset();
        fit = MinimiseOverAngle(problem, estimate, scratch);
        bool failed = guard.Failed();
        if (!failed) {
            const auto step = schedule.AfterFit([&] { return DataSlope(fit.Theta, s); });
            if (step == ReweightingSchedule::Step::Done) {
                break;
            }
            if (step == ReweightingSchedule::Step::Reweight) {
                const double a0 = ToDouble(static_cast<ext>(scratch.A) / s);
                TruePointWeights(design, data, limits.X, limits.Y, schedule.Slope(), a0, scratch);
                estimate = fit.Theta;
            } else {
                ObservedWeights(design, data, limits, scratch);
                estimate = startAngle;
            }
            failed = guard.Failed();
        }
        if (failed) {
            if (!schedule.FallBack()) {
                return {FloatingPointFailure, 0, 0};
            }
            ObservedWeights(design, data, limits, scratch);
            estimate = startAngle;
        }
    }
    return {NoFailure, fit.Theta, fit.FMin};
}

struct ProfileLimits {
    bool Found = false;
    double SESlope = 0;
    double SEIntercept = 0;
};

// Standard errors from the angles where the objective rises by 1 above its minimum, searched
// towards the nearest stored angle above that level on either side.
ProfileLimits FindProfileLimits(const DemingProblem& problem, double theta, double fmin,
                                double aTheta, double sumWC, double s, DemingScratch& scratch) {
    const double lim = ToDouble(static_cast<ext>(fmin) + 1.0L);
    double dPlus = NoDistance;
    double dMinus = NoDistance;
    for (int k = 0; k < 6; ++k) {
        const double angle = scratch.StoredAngles[k];
        if (!(scratch.StoredValues[k] > lim)) {
            continue;
        }
        double d = ToDouble(std::fabs(static_cast<ext>(angle) - theta));
        d = ToDouble(d - std::trunc(static_cast<ext>(d) / AnglePeriod) * AnglePeriod);
        double dAlt = ToDouble(static_cast<ext>(AnglePeriod) - d);
        if (theta > angle) {
            const double t = d;
            d = dAlt;
            dAlt = t;
        }
        dPlus = d < dPlus ? d : dPlus;
        dMinus = dAlt < dMinus ? dAlt : dMinus;
    }
    if (dPlus == NoDistance) {
        return {};
    }

    FloatGuard guard;
    const int evaluationsBefore = scratch.Evaluations;
    PrepareDemingChi2(problem, scratch);
    const double d = ToDouble(1.0L / sumWC);
    // Each search starts at the minimum, whose value the minimisation left on record.
    const auto profile = [&](double angle) {
        return angle == theta ? ObjectiveAt(problem, angle, lim, scratch)
                              : DemingChi2(problem, angle, lim, scratch);
    };
    const double rPlus =
        BrentRoot(ToDouble(static_cast<ext>(theta) + dPlus), theta, RootTolerance, profile);
    const double dThetaPlus = ToDouble(static_cast<ext>(rPlus) - theta);
    const double dAPlus = ToDouble(static_cast<ext>(scratch.A) - aTheta);
    const double rMinus =
        BrentRoot(ToDouble(static_cast<ext>(theta) - dMinus), theta, RootTolerance, profile);
    const double dThetaMinus = ToDouble(static_cast<ext>(rMinus) - theta);
    const double dAMinus = ToDouble(static_cast<ext>(scratch.A) - aTheta);
    scratch.ProfileEvaluations = scratch.Evaluations - evaluationsBefore;

    const ext c = std::cos(static_cast<ext>(theta));
    const double seSlope = ToDouble(std::sqrt((static_cast<ext>(dThetaPlus) * dThetaPlus +
                                               static_cast<ext>(dThetaMinus) * dThetaMinus) /
                                              2.0L) /
                                    (c * c * s));
    const double seIntercept = ToDouble(
        std::sqrt((static_cast<ext>(dAPlus) * dAPlus + static_cast<ext>(dAMinus) * dAMinus) / 2.0L +
                  d) /
        s);
    if (guard.Failed() || !std::isfinite(seSlope) || !std::isfinite(seIntercept)) {
        return {};
    }
    return {true, seSlope, seIntercept};
}

bool Encloses(double centre, ext halfWidth, double value) {
    const double lo = ToDouble(centre - halfWidth);
    const double hi = ToDouble(centre + halfWidth);
    return lo <= value && value <= hi;
}

// The weighted sums of the joint-region test at the reference slope T, in the units of the data.
struct RegionSums {
    double S0 = 0;
    double AT = 0;
    double Chi2T = 0;
    double SumWXX = 0;
    double SumWYY = 0;
    double SumWXY = 0;
};

RegionSums RegionSumsAt(const DataSet& data, double t, DemingScratch& scratch) {
    const int n = data.N;
    const double* x = data.X.data();
    const double* y = data.Y.data();
    RegionSums sums;
    double sumWX = 0;
    double sumWY = 0;
    for (int i = 0; i < n; ++i) {
        const double w =
            ToDouble(1.0L / (1.0L / scratch.WY[i] + static_cast<ext>(t) * t / scratch.WX[i]));
        scratch.WC[i] = w;
        sums.S0 = ToDouble(sums.S0 + static_cast<ext>(w));
        sumWX = ToDouble(sumWX + static_cast<ext>(w) * x[i]);
        sumWY = ToDouble(sumWY + static_cast<ext>(w) * y[i]);
        sums.SumWXX = ToDouble(sums.SumWXX + static_cast<ext>(w) * x[i] * x[i]);
        sums.SumWYY = ToDouble(sums.SumWYY + static_cast<ext>(w) * y[i] * y[i]);
        sums.SumWXY = ToDouble(sums.SumWXY + static_cast<ext>(w) * x[i] * y[i]);
    }
    sums.AT = ToDouble((sumWY - static_cast<ext>(t) * sumWX) / sums.S0);
    for (int i = 0; i < n; ++i) {
        const ext r = y[i] - static_cast<ext>(sums.AT) - static_cast<ext>(t) * x[i];
        sums.Chi2T = ToDouble(sums.Chi2T + scratch.WC[i] * r * r);
    }
    return sums;
}

// Whether the reference line lies inside the joint region whose objective stays below limit.
bool RegionEncloses(const RegionSums& sums, double t, double trueIntercept, double limit) {
    if (sums.Chi2T > limit) {
        return false;
    }
    const ext te = t;
    const double q =
        ToDouble((te * te * sums.SumWXX + sums.SumWYY - 2.0L * te * sums.SumWXY - limit) / sums.S0);
    const ext spread = static_cast<ext>(sums.AT) * sums.AT - q;
    const double hw = ToDouble(std::sqrt(spread > 0 ? spread : 0.0L));
    return Encloses(sums.AT, hw, trueIntercept);
}

// The interval and region flags of both levels; false when a floating-point failure spoils them.
bool TestEnclosure(const StudyDesign& design, const CriticalValues& crit, const DataSet& data,
                   double fmin, DemingScratch& scratch, RegressionOutcome& out) {
    FloatGuard guard;
    const double t = design.TrueSlope;
    const RegionSums sums = RegionSumsAt(data, t, scratch);
    const auto level = [&](double critical, double f, bool& inSlope, bool& inIntercept,
                           bool& inRegion) {
        inSlope = Encloses(out.Slope, static_cast<ext>(critical) * out.SESlope, t);
        inIntercept = Encloses(out.Intercept, static_cast<ext>(critical) * out.SEIntercept,
                               design.TrueIntercept);
        const double limit = ToDouble(fmin * (1.0L + 2.0L * f / static_cast<ext>(data.N - 2)));
        inRegion = RegionEncloses(sums, t, design.TrueIntercept, limit);
    };
    level(crit.Crit95, crit.F95, out.In95SlopeCI, out.In95InterceptCI, out.In95CR);
    level(crit.Crit99, crit.F99, out.In99SlopeCI, out.In99InterceptCI, out.In99CR);
    return !guard.Failed();
}

void ClearFlags(RegressionOutcome& out) {
    out.In95SlopeCI = out.In99SlopeCI = false;
    out.In95InterceptCI = out.In99InterceptCI = false;
    out.In95CR = out.In99CR = false;
}

} // namespace

RegressionOutcome DoDemingRegression(const StudyDesign& design, const CriticalValues& crit,
                                     const DataSet& data, DemingScratch& scratch) {
    RegressionOutcome out;
    const int n = data.N;
    scratch.Passes = 0;
    scratch.Evaluations = 0;
    scratch.ProfileEvaluations = 0;
    // Fewer than two points have no spread; more than the scratch holds cannot be fitted safely.
    if (n < 2 || n > static_cast<int>(scratch.WX.size())) {
        out.FailCode = DegenerateSpread;
        return out;
    }
    const Limits limits{WgtRange(design.XVariance, data.SetXMin, data.SetXMax),
                        WgtRange(design.YVariance, data.SetYMin, data.SetYMax)};
    ObservedWeights(design, data, limits, scratch);

    // Everything up to the first reweighting counts as a floating-point failure of the data.
    FloatGuard guard;
    const double varX = SampleVariance(data.X.data(), n);
    if (guard.Failed()) {
        out.FailCode = FloatingPointFailure;
        return out;
    }
    if (!(varX > 0)) {
        out.FailCode = DegenerateSpread;
        return out;
    }
    const double varY = SampleVariance(data.Y.data(), n);
    if (guard.Failed() || !(varY > 0)) {
        out.FailCode = FloatingPointFailure;
        return out;
    }
    const double lam = ToDouble(static_cast<ext>(varX) / varY);
    const double s = ToDouble(std::sqrt(static_cast<ext>(lam)));
    const double slope0 = StartingSlope(data, lam, s, scratch);
    const double startAngle = ToDouble(std::atan(static_cast<ext>(slope0)));
    if (guard.Failed() || !(s > 0)) {
        out.FailCode = FloatingPointFailure;
        return out;
    }

    const DemingProblem problem{data.X.data(), n, lam};
    const AngleFit fit = FitAngle(design, data, limits, problem, s, startAngle, scratch);
    if (fit.FailCode != NoFailure) {
        out.FailCode = fit.FailCode;
        return out;
    }
    const double theta = fit.Theta;
    const double fmin = fit.FMin;
    scratch.Theta = theta;
    scratch.FMin = fmin;
    const double aTheta = scratch.A;
    const double sumWC = scratch.SumWC;

    guard.Reset();
    out.Slope = DataSlope(theta, s);
    out.Intercept = ToDouble(static_cast<ext>(aTheta) / s);
    if (guard.Failed() || !std::isfinite(out.Slope) || !std::isfinite(out.Intercept) ||
        !std::isfinite(fmin)) {
        out.FailCode = FloatingPointFailure;
        return out;
    }

    const ProfileLimits profile =
        FindProfileLimits(problem, theta, fmin, aTheta, sumWC, s, scratch);
    out.Valid = profile.Found;
    if (!out.Valid) {
        return out;
    }
    out.SESlope = profile.SESlope;
    out.SEIntercept = profile.SEIntercept;
    if (!TestEnclosure(design, crit, data, fmin, scratch, out)) {
        out.Valid = false;
        ClearFlags(out);
    }
    return out;
}

} // namespace kvor
