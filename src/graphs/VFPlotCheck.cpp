#include "graphs/VFPlotCheck.h"

#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/Power.h"
#include "engine/RawVariance.h"
#include "engine/VarianceFunctions.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace kvor {

namespace {

constexpr double NoPointAbove = 1e199;

bool TooLarge(const std::optional<double>& V) {
    return !V || *V > VFPlotVarianceLimit;
}

// Codes 3, 4 and 5 of the size test on top of code 0 or 1; a warning about a cut range gives
// way to the refusal.
int SizeCode(int code, bool lowerTooLarge, bool upperTooLarge) {
    if (lowerTooLarge) {
        code = 3;
    }
    if (upperTooLarge) {
        code += 4;
    }
    if (code == 5) {
        return 4;
    }
    return code > 6 ? 5 : code;
}

bool NoPositiveCoefficient(const VFCurve& c) {
    return c.B1 <= 0 && c.B2 <= 0 && (c.Form != 4 || c.B3 <= 0);
}

// Where the base of a form-2 function, or the value of a form-3 function, reaches zero.
std::optional<double> ZeroOfBase(const VFCurve& c) {
    const FloatGuard guard;
    volatile double x0 = 0;
    if (c.Form == 3) {
        x0 = Power(-static_cast<ext>(c.B1) / c.B2, 1 / static_cast<ext>(c.J));
    } else if (c.Para == 0) {
        x0 = -static_cast<ext>(c.B1) / c.B2;
    } else {
        x0 = -static_cast<ext>(c.B2) / c.Para;
    }
    const double result = x0;
    if (guard.Failed() || !std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

bool Form2EndValid(const VFCurve& c, double v) {
    const ext base =
        c.Para == 0 ? c.B1 + static_cast<ext>(c.B2) * v : c.B2 + static_cast<ext>(c.Para) * v;
    return base > 0 && (c.Para == 0 || c.B1 > 0);
}

struct EndVariances {
    std::optional<double> Lo;
    std::optional<double> Hi;
    std::optional<double> TurningPoint; // form 4, inside the range
};

// Moves the one invalid end just inside the zero of the base and recomputes its variance;
// false when the zero cannot be computed.
bool CutAtZero(VFCurve& c, bool lowerValid, EndVariances& v) {
    const std::optional<double> x0 = ZeroOfBase(c);
    if (!x0) {
        return false;
    }
    const VarianceFunction f = c.Function();
    if (lowerValid) {
        c.ValidHi = ToDouble(*x0 - static_cast<ext>(VFZeroOffset));
        v.Hi = RawVariance(f, c.ValidHi);
    } else {
        c.ValidLo = ToDouble(*x0 + static_cast<ext>(VFZeroOffset));
        v.Lo = RawVariance(f, c.ValidLo);
    }
    return true;
}

int CheckForm2(VFCurve& c, EndVariances& v) {
    const bool lowerValid = Form2EndValid(c, c.RangeLo);
    const bool upperValid = Form2EndValid(c, c.RangeHi);
    const VarianceFunction f = c.Function();
    c.ValidLo = lowerValid ? c.RangeLo : -1;
    c.ValidHi = upperValid ? c.RangeHi : -1;
    if (!lowerValid && !upperValid) {
        return 2;
    }
    v.Lo = RawVariance(f, c.RangeLo);
    v.Hi = RawVariance(f, c.RangeHi);
    int code = 0;
    if (!lowerValid || !upperValid) {
        code = 1;
        if (!CutAtZero(c, lowerValid, v)) {
            return 2;
        }
    }
    return SizeCode(code, TooLarge(v.Lo), TooLarge(v.Hi));
}

// Forms 3 and 4 evaluate both ends first: codes 3, 4 and 5, else 0 with each invalid end
// marked -1.
int SizeTestAtTheEnds(VFCurve& c, EndVariances& v) {
    const VarianceFunction f = c.Function();
    v.Lo = RawVariance(f, c.RangeLo);
    v.Hi = RawVariance(f, c.RangeHi);
    const int code = SizeCode(0, TooLarge(v.Lo), TooLarge(v.Hi));
    if (code == 0) {
        c.ValidLo = *v.Lo > 0 ? c.RangeLo : -1;
        c.ValidHi = *v.Hi > 0 ? c.RangeHi : -1;
    }
    return code;
}

int CheckForm3(VFCurve& c, EndVariances& v) {
    if (const int code = SizeTestAtTheEnds(c, v); code != 0) {
        return code;
    }
    const bool lowerValid = *v.Lo > 0;
    const bool upperValid = *v.Hi > 0;
    if (!lowerValid && !upperValid) {
        return 2;
    }
    if (lowerValid && upperValid) {
        return 0;
    }
    // A crossing that cannot be computed leaves nothing to plot.
    return CutAtZero(c, lowerValid, v) ? 1 : 2;
}

int CheckForm4(VFCurve& c, EndVariances& v) {
    if (const int code = SizeTestAtTheEnds(c, v); code != 0) {
        return code;
    }
    const VarianceFunction f = c.Function();
    if (!(*v.Lo > 0 && *v.Hi > 0)) {
        return 7;
    }
    if (const std::optional<double> vt = Form4StationaryPoint(f, c.RangeLo, c.RangeHi)) {
        v.TurningPoint = RawVariance(f, *vt);
        if (TooLarge(v.TurningPoint)) {
            return 6;
        }
        if (*v.TurningPoint <= 0) {
            return 7;
        }
    }
    return 0;
}

struct InteriorPoint {
    double X;
    bool Minimum;
};

// Levels strictly inside the valid range where the CV is stationary.
std::vector<InteriorPoint> InteriorCvPoints(const VFCurve& c) {
    std::vector<InteriorPoint> points;
    if (c.Form == 4) {
        const CVTurningPoints r = Calc4PRegCVMinMax(c.B1, c.B2, c.B3, c.J, c.ValidLo, c.ValidHi);
        for (const double p : {r.R1, r.R2}) {
            if (std::fabs(p) < NoPointAbove) {
                points.push_back({std::fabs(p), p < 0});
            }
        }
        return points;
    }
    const double x = CVTurningPoint(c.Form, c.Para, c.B1, c.B2, c.J, c.ValidLo, c.ValidHi);
    if (x > 0) {
        points.push_back({x, false});
    }
    return points;
}

void FillCvStatistics(VFCurve& c, const EndVariances& v) {
    const VarianceFunction f = c.Function();
    c.FullyValid = c.Code == 0;
    const double vLo = v.Lo.value_or(0);
    const double vHi = v.Hi.value_or(0);
    c.VarMin = std::min(vLo, vHi);
    c.VarMax = std::max(vLo, vHi);
    if (v.TurningPoint) {
        c.VarMin = std::min(c.VarMin, *v.TurningPoint);
        c.VarMax = std::max(c.VarMax, *v.TurningPoint);
    }
    const std::optional<double> cvLo = CoefficientOfVariation(c.ValidLo, vLo);
    const std::optional<double> cvHi = CoefficientOfVariation(c.ValidHi, vHi);
    const double cvLoValue = cvLo.value_or(HUGE_VAL);
    const double cvHiValue = cvHi.value_or(HUGE_VAL);
    c.CvPossible = cvLoValue < 100 || cvHiValue < 100;
    c.CvMin = std::min(cvLoValue, cvHiValue);
    c.CvMax = std::max(cvLo.value_or(0), cvHi.value_or(0));
    c.CvTurnX = -1;
    bool turnIsMinimum = false;
    for (const InteriorPoint& p : InteriorCvPoints(c)) {
        const std::optional<double> V = RawVariance(f, p.X);
        const std::optional<double> cv = V ? CoefficientOfVariation(p.X, *V) : std::nullopt;
        if (!cv) {
            continue;
        }
        c.CvPossible = c.CvPossible || *cv < 100;
        c.CvMin = std::min(c.CvMin, *cv);
        c.CvMax = std::max(c.CvMax, *cv);
        // Trimming the mean axis looks for a dip of the CV: a minimum is the point to keep.
        if (c.CvTurnX < 0 || (p.Minimum && !turnIsMinimum)) {
            c.CvTurnX = p.X;
            turnIsMinimum = p.Minimum;
        }
    }
}

} // namespace

std::optional<double> CoefficientOfVariation(double v, double V) {
    if (!(v > 0 && V > 0)) {
        return std::nullopt;
    }
    const FloatGuard guard;
    const volatile double cv = 100 * std::sqrt(static_cast<ext>(V)) / v;
    const double result = cv;
    if (guard.Failed() || !std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

int CheckVarianceFunctionPlotting(VFCurve& c) {
    c.RangeLo = std::max(c.RangeLo, VFLowestLevel);
    c.ValidLo = c.RangeLo;
    c.ValidHi = c.RangeHi;
    c.Plottable = false;
    c.FullyValid = false;
    c.CvPossible = false;
    EndVariances v;
    if (NoPositiveCoefficient(c)) {
        c.ValidLo = -1;
        c.ValidHi = -1;
        c.Code = 2;
    } else if (c.Form == 2) {
        c.Code = CheckForm2(c, v);
    } else if (c.Form == 3) {
        c.Code = CheckForm3(c, v);
    } else if (c.Form == 4) {
        c.Code = CheckForm4(c, v);
    } else {
        c.Code = 2;
    }
    c.Plottable = c.Code < 2;
    if (c.Code == 0 || (c.Code == 1 && c.Form != 4)) {
        FillCvStatistics(c, v);
    }
    return c.Code;
}

} // namespace kvor
