#include "graphs/AxisScale.h"

#include "graphs/DigitStrings.h"
#include "graphs/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace kvor {

namespace {

long double Pow10(int e) {
    return std::pow(10.0L, static_cast<long double>(e));
}

// AxisStart + k x Step rounded to double, as every comparison of the routines is made.
double TickValue(const AxisScale& axis, int k) {
    const long double value =
        static_cast<long double>(AxisStart(axis)) + static_cast<long double>(k) * AxisStep(axis);
    return static_cast<double>(value);
}

long long PowerOfTenInteger(int e) {
    long long p = 1;
    for (int i = 0; i < e; ++i) {
        p *= 10;
    }
    return p;
}

// m x 10^e, rounded once: a negative exponent divides by an exact power of ten.
long double Scaled(long double m, int e) {
    return e < 0 ? m / Pow10(-e) : m * Pow10(e);
}

// Start and step in whole units of 10^M, M the finer exponent of the two, when both counts fit
// comfortably in 64 bits (always so for the signed axes, whose values stay below 1e8).
struct UnitScale {
    int M;
    long long start;
    long long step;
};

std::optional<UnitScale> InUnits(const AxisScale& axis) {
    int M = std::min(axis.StartExponent, axis.StepExponent);
    if (axis.StartMantissa == 0) {
        M = axis.StepExponent;
    } else if (axis.StepMantissa == 0) {
        M = axis.StartExponent;
    }
    const int startShift = axis.StartMantissa == 0 ? 0 : axis.StartExponent - M;
    const int stepShift = axis.StepMantissa == 0 ? 0 : axis.StepExponent - M;
    constexpr long double Limit = 1e17L;
    if (std::fabs(Scaled(axis.StartMantissa, startShift)) > Limit ||
        std::fabs(Scaled(axis.StepMantissa, stepShift)) > Limit) {
        return std::nullopt;
    }
    return UnitScale{M, axis.StartMantissa * PowerOfTenInteger(startShift),
                     axis.StepMantissa * PowerOfTenInteger(stepShift)};
}

// Sets the start to `units` x 10^M with the trailing zeros of the digits moved to the exponent.
void SetStartFromUnits(AxisScale& axis, long long units, int M) {
    const bool negative = units < 0;
    const MantissaExponent me = StripTrailingZeros(negative ? -units : units, M);
    axis.StartMantissa = static_cast<std::int32_t>(negative ? -me.Mantissa : me.Mantissa);
    axis.StartExponent = me.Mantissa == 0 ? 0 : me.Exponent;
}

void SetStart(AxisScale& axis, StartValue start) {
    axis.StartMantissa = start.StartMantissa;
    axis.StartExponent = start.StartExponent;
}

// Moves the start k steps (k may be negative) exactly, in units of the finer exponent.
void ShiftStart(AxisScale& axis, int k) {
    if (const auto units = InUnits(axis)) {
        SetStartFromUnits(axis, units->start + k * units->step, units->M);
        return;
    }
    const double v = TickValue(axis, k);
    if (v == 0) {
        SetStart(axis, {0, 0});
        return;
    }
    const StartValue magnitude = ReexpressStart(std::fabs(v));
    axis.StartMantissa = v < 0 ? -magnitude.StartMantissa : magnitude.StartMantissa;
    axis.StartExponent = magnitude.StartExponent;
}

bool AnyNaN(double a, double b) {
    return std::isnan(a) || std::isnan(b);
}

// The first k in first..Intervals whose tick lies above `top` becomes Intervals.
void TrimTop(AxisScale& axis, int first, double top) {
    for (int k = first; k <= axis.Intervals; ++k) {
        if (TickValue(axis, k) > top) {
            axis.Intervals = k;
            return;
        }
    }
}

// Drops whole intervals below `low`, keeping at least `keep` of them, and raises the start.
void TrimBottom(AxisScale& axis, int keep, double low) {
    for (int k = axis.Intervals - keep; k >= 1; --k) {
        const double raised = TickValue(axis, k);
        if (low > raised) {
            axis.Intervals -= k;
            SetStart(axis, ReexpressStart(raised));
            return;
        }
    }
}

constexpr double LargestScaledValue = 1e300;

} // namespace

double AxisStart(const AxisScale& axis) {
    return static_cast<double>(Scaled(axis.StartMantissa, axis.StartExponent));
}

double AxisStep(const AxisScale& axis) {
    return static_cast<double>(Scaled(axis.StepMantissa, axis.StepExponent));
}

double AxisEnd(const AxisScale& axis) {
    return AxisTick(axis, axis.Intervals);
}

double AxisTick(const AxisScale& axis, int k) {
    const auto units = InUnits(axis);
    if (!units) {
        return TickValue(axis, k);
    }
    const long double count = static_cast<long double>(units->start) +
                              static_cast<long double>(k) * static_cast<long double>(units->step);
    return static_cast<double>(Scaled(count, units->M));
}

int PrintedLength(double v, int decimals) {
    return static_cast<int>(FormatFixed(v, decimals).size());
}

StartValue NiceStart(double L, double H, int k) {
    const double R = H - L;
    const long long D = std::stoll(Digits(L, k));
    const int baseExponent = Exp(L) - (k - 1);
    long long P = D;
    for (int p = 1; p <= k - 1; ++p) {
        const long long unit = PowerOfTenInteger(k - p);
        P = D / unit * unit;
        const double cut =
            static_cast<double>(Scaled(static_cast<long double>(D - P), baseExponent));
        if (cut < R / 2) {
            break;
        }
        if (cut < R) {
            const long long nextUnit = unit / 10;
            if (D / nextUnit % 10 > 5) {
                P += 5 * nextUnit;
            }
            break;
        }
    }
    const MantissaExponent me = StripTrailingZeros(P, baseExponent);
    return {static_cast<int>(me.Mantissa), me.Exponent};
}

StartValue ReexpressStart(double v) {
    const MantissaExponent me = StripTrailingZeros(std::stoll(Digits(v, 7)), Exp(v) - 6);
    return {static_cast<int>(me.Mantissa), me.Exponent};
}

void NormaliseStep(AxisScale& axis, NiceSpan span, int P, LabelRule rule) {
    const double s = static_cast<double>(Scaled(static_cast<long double>(span.c) / span.n, P));
    const std::string d3 = Digits(s, 3);
    int mantissa = std::stoi(d3);
    int exponent = Exp(s) - 2;
    if (d3[1] == '0' && d3[2] == '0') {
        mantissa = d3[0] - '0';
        exponent += 2;
    } else if (d3[2] == '0') {
        mantissa = std::stoi(d3.substr(0, 2));
        exponent += 1;
    }
    axis.Intervals = span.n;
    axis.StepMantissa = mantissa;
    axis.StepExponent = exponent;
    axis.Decimals = rule == LabelRule::ZeroBased
                        ? std::max(0, -axis.StepExponent)
                        : std::max({0, -axis.StartExponent, -axis.StepExponent});
    axis.LabelWidth = PrintedLength(AxisEnd(axis), axis.Decimals);
    if (rule == LabelRule::StartAndEnd) {
        axis.LabelWidth = std::max(axis.LabelWidth, PrintedLength(AxisStart(axis), axis.Decimals));
    }
}

AxisScale ScalePositiveAxis(double Lo, double Hi) {
    AxisScale axis;
    // Beyond 1e300 the step and end would leave the range of double.
    if (AnyNaN(Lo, Hi) || !(Hi <= LargestScaledValue)) {
        return axis;
    }
    if (Hi < 1e-6 || (Lo > 0 && Hi / Lo < 1.001)) {
        return axis;
    }
    if (!(Lo <= 0 || Hi / Lo >= 6)) {
        SetStart(axis, NiceStart(Lo, Hi, 5));
    }
    const double u = static_cast<double>(static_cast<long double>(Hi) - AxisStart(axis));
    const int code = SpanCode(u);
    const int P = Exp(u) - 2;
    const NiceSpan first = LookUpSpan(SpanTable::A1, code);
    NormaliseStep(axis, first, P, LabelRule::AxisEnd);
    if (axis.LabelWidth > 5 && axis.Intervals > 6) {
        const int c = axis.Intervals == 7 ? first.c * 8 / 7 : first.c;
        NormaliseStep(axis, {c, 4}, P, LabelRule::AxisEnd);
    }
    if (axis.LabelWidth > 6 && axis.Intervals > 4) {
        NormaliseStep(axis, LookUpSpan(SpanTable::A2, code), P, LabelRule::AxisEnd);
    }
    if (axis.Intervals > 4) {
        TrimTop(axis, 5, Hi);
    }
    if (axis.StartMantissa > 0 && axis.Intervals > 4) {
        TrimBottom(axis, 4, Lo);
    }
    axis.MinorTicks = MinorTickCount(MinorTable::M1, axis.StepMantissa, axis.Intervals);
    return axis;
}

AxisScale ScaleSignedAxis(double Lo, double Hi) {
    AxisScale axis;
    if (AnyNaN(Lo, Hi)) {
        return axis;
    }
    double L = Lo == 0 ? -1e-10 : Lo;
    double H = Hi;
    const bool negative = H <= 0;
    const bool straddle = L < 0 && H > 0;
    if (negative) {
        const double mirroredLow = -H;
        H = -L;
        L = mirroredLow;
    }
    if (straddle) {
        H = H - L;
        L = 0;
    }
    const bool refused = (Lo > 0 && Hi / Lo < 1.00001) || (Hi < 0 && Lo / Hi < 1.00001) ||
                         (!straddle && H < 1e-6) || H > 1e8 || std::fabs(Hi - Lo) < 9.999e-7 ||
                         Hi >= 1e7 || Lo <= -9999999;
    if (refused) {
        return axis;
    }
    if (!(L == 0 || H / L >= 6)) {
        SetStart(axis, NiceStart(L, H, 6));
    }
    const double u = static_cast<double>(static_cast<long double>(H) - AxisStart(axis));
    const int code = SpanCode(u);
    const int P = Exp(u) - 2;
    NormaliseStep(axis, LookUpSpan(SpanTable::B1, code), P, LabelRule::StartAndEnd);
    if (axis.Intervals > 5 && axis.LabelWidth > (straddle ? 4 : 6)) {
        NormaliseStep(axis, LookUpSpan(SpanTable::B2, code), P, LabelRule::StartAndEnd);
    }
    if (axis.Intervals > 3) {
        TrimTop(axis, 4, H);
    }
    if (axis.StartMantissa > 0 && axis.Intervals > 3) {
        TrimBottom(axis, 3, L);
    }
    if (negative) {
        ShiftStart(axis, axis.Intervals);
        axis.StartMantissa = -axis.StartMantissa;
        axis.LabelWidth += 1;
    }
    if (straddle) {
        int below = axis.Intervals;
        for (int k = 1; k <= axis.Intervals - 1; ++k) {
            const long double lowered = static_cast<long double>(AxisStart(axis)) -
                                        k * static_cast<long double>(AxisStep(axis)) - 1e-10L;
            if (Lo > static_cast<double>(lowered)) {
                below = k;
                break;
            }
        }
        ShiftStart(axis, -below);
        const long double end = static_cast<long double>(AxisEnd(axis)) + 1e-10L;
        if (Hi > static_cast<double>(end)) {
            axis.Intervals += 1;
        }
        axis.LabelWidth = std::max(PrintedLength(AxisStart(axis), axis.Decimals),
                                   PrintedLength(AxisEnd(axis), axis.Decimals));
    }
    axis.MinorTicks = MinorTickCount(MinorTable::M1, axis.StepMantissa, axis.Intervals);
    return axis;
}

AxisScale ScaleZeroBasedAxis(double A, double B) {
    AxisScale axis;
    if (AnyNaN(A, B)) {
        return axis;
    }
    double T = A / B >= 1e-6 ? static_cast<double>(B + static_cast<long double>(A) / 2)
                             : static_cast<double>(1.2L * B);
    T = std::clamp(T, 1e-14, 1e15);
    NormaliseStep(axis, LookUpSpan(SpanTable::C, SpanCode(T)), Exp(T) - 2, LabelRule::ZeroBased);
    axis.MinorTicks = MinorTickCount(MinorTable::M2, axis.StepMantissa, axis.Intervals);
    return axis;
}

AxisScale ScaleLogAxis(double Lo, double Hi) {
    AxisScale axis;
    // Logarithmic axes exist only for finite positive values.
    if (!(std::isfinite(Lo) && std::isfinite(Hi) && Lo > 0 && Hi > 0)) {
        return axis;
    }
    axis.StartMantissa = 1;
    axis.StartExponent = Exp(Lo);
    int top = Exp(Hi) + 1;
    if (SignificantDigits15(Hi) == "100000000000000") {
        top -= 1;
    }
    axis.Intervals = std::max(1, top - axis.StartExponent);
    axis.MinorTicks = 10;
    return axis;
}

AxisScale ScaleLogAxisTrimmed(double Lo, double Hi) {
    const double hi = Lo / Hi < 1e-6 ? static_cast<double>(Hi + 1e-6L) : Hi;
    AxisScale axis = ScaleLogAxis(Lo, hi);
    if (axis.Intervals > 1) {
        const long double top = Pow10(axis.StartExponent + axis.Intervals);
        const long double C = Pow10(axis.StartExponent + 1);
        const double threshold = static_cast<double>(1.05L * C * std::pow(top / C, -1.0L / 21));
        if (Lo > threshold) {
            axis.StartExponent += 1;
            axis.Intervals -= 1;
        }
    }
    return axis;
}

namespace {

struct CvPreset {
    int cvMax;
    int intervals;
    int stepMantissa;
    int stepExponent;
    int minorTicks;
    int labelWidth;
    int decimals;
};

constexpr CvPreset CvPresets[] = {
    {1, 5, 2, -1, 4, 3, 1},   {2, 4, 5, -1, 10, 3, 1}, {3, 6, 5, -1, 5, 3, 1},
    {4, 4, 1, 0, 10, 1, 0},   {5, 5, 1, 0, 5, 1, 0},   {6, 6, 1, 0, 5, 1, 0},
    {8, 4, 2, 0, 10, 1, 0},   {10, 5, 2, 0, 4, 2, 0},  {12, 6, 2, 0, 4, 2, 0},
    {15, 6, 25, -1, 5, 4, 1}, {20, 4, 5, 0, 10, 2, 0}, {25, 5, 5, 0, 5, 2, 0},
    {30, 6, 5, 0, 5, 2, 0},   {40, 4, 1, 1, 10, 2, 0}, {50, 5, 1, 1, 5, 2, 0},
    {60, 6, 1, 1, 5, 2, 0},   {80, 4, 2, 1, 10, 2, 0}, {100, 5, 2, 1, 4, 3, 0},
};

constexpr double CvChoices[] = {1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 25, 30, 40, 50, 60, 80};

} // namespace

AxisScale PresetCvAxis(double CvMax, AxisScale axis) {
    axis.StartMantissa = 0;
    axis.StartExponent = 0;
    if (!std::isfinite(CvMax)) {
        axis.Intervals = 0;
        return axis;
    }
    const double rounded = std::nearbyint(CvMax);
    for (const CvPreset& preset : CvPresets) {
        if (rounded == preset.cvMax) {
            axis.Intervals = preset.intervals;
            axis.StepMantissa = preset.stepMantissa;
            axis.StepExponent = preset.stepExponent;
            axis.MinorTicks = preset.minorTicks;
            axis.LabelWidth = preset.labelWidth;
            axis.Decimals = preset.decimals;
        }
    }
    return axis;
}

double NiceCvMax(double x) {
    for (const double choice : CvChoices) {
        if (choice > x) {
            return choice;
        }
    }
    return 100;
}

LabelExtent LogLabelExtent(int e) {
    if (e < 0) {
        return {2 - e, -e};
    }
    return {e + 1, 0};
}

std::string FormatAxisLabel(double v, const AxisScale& axis, char decimalSeparator) {
    if (axis.Decimals > 0) {
        return WithSeparator(FormatFixed(v, axis.Decimals), decimalSeparator);
    }
    return FormatFixed(std::nearbyint(v), 0);
}

std::string FormatAxisLabelGeneral(double v, const AxisScale& axis, char decimalSeparator) {
    if (axis.Decimals > 0) {
        return FormatAxisLabel(v, axis, decimalSeparator);
    }
    return WithSeparator(FormatGeneral(v), decimalSeparator);
}

std::string FormatSignificant(int digits, int mode, double x, char decimalSeparator) {
    const std::string stars(static_cast<std::size_t>(std::max(0, digits + 1)), '*');
    if (!std::isfinite(x)) {
        return stars;
    }
    const int p = static_cast<int>(FormatFixed(x, 14).find('.')) + 1;
    int decimals = 0;
    if (p == digits) {
        decimals = 1;
    } else if (p == digits + 1) {
        decimals = 0;
    } else if (p > digits + 1) {
        return stars;
    } else {
        decimals = digits - p + 1;
    }
    std::string text = FormatFixed(x, decimals);
    if (mode == 2 && decimals > 1) {
        const std::size_t point = text.find('.');
        const std::size_t lastKept = std::max(text.find_last_not_of('0'), point + 1);
        text.erase(lastKept + 1);
    }
    return WithSeparator(text, decimalSeparator);
}

} // namespace kvor
