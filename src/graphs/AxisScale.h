#pragma once

#include "engine/AxisScale.h"
#include "graphs/AxisTables.h"

#include <string>

namespace kvor {

// Axis routines. Every scaling routine reports a range it cannot show, and any NaN argument,
// through Intervals == 0; none of them keeps state.
AxisScale ScalePositiveAxis(double Lo, double Hi);
AxisScale ScaleSignedAxis(double Lo, double Hi);
AxisScale ScaleZeroBasedAxis(double A, double B);
AxisScale ScaleLogAxis(double Lo, double Hi);
AxisScale ScaleLogAxisTrimmed(double Lo, double Hi);

// The preset CV (%) axis for one of the CV maximum choices; other values keep `axis` apart from
// its zero start.
AxisScale PresetCvAxis(double CvMax, AxisScale axis = {});

// The CV maximum offered first for a largest CV of x.
double NiceCvMax(double x);

struct LabelExtent {
    int LabelWidth;
    int Decimals;
};
// Width and decimals of the label of 10^e on a logarithmic axis.
LabelExtent LogLabelExtent(int e);

// Derived values of a linear axis.
double AxisStart(const AxisScale& axis);
double AxisStep(const AxisScale& axis);
double AxisEnd(const AxisScale& axis);
// Tick k (0 = AxisStart), computed in integer units so that a zero tick is exactly zero.
double AxisTick(const AxisScale& axis, int k);

// Tick label text. The general form differs only for Decimals == 0 and serves to measure labels.
std::string FormatAxisLabel(double v, const AxisScale& axis, char decimalSeparator = '.');
std::string FormatAxisLabelGeneral(double v, const AxisScale& axis, char decimalSeparator = '.');

// x with `digits` significant digits; mode 2 strips trailing zeros down to one decimal.
std::string FormatSignificant(int digits, int mode, double x, char decimalSeparator = '.');

// Building blocks of the scaling routines, exposed for checking.

struct StartValue {
    int StartMantissa;
    int StartExponent;
};
// The coarsest truncation of L > 0 to at most k significant digits that cuts off less than
// half the range H - L (or less than all of it, with a 5 in the next digit).
StartValue NiceStart(double L, double H, int k);

// A raised start value re-expressed with 7 significant digits.
StartValue ReexpressStart(double v);

// How LabelWidth is measured after a step has been chosen.
enum class LabelRule { AxisEnd, StartAndEnd, ZeroBased };

// Sets Intervals = span.n, the step c / n x 10^P in shortest mantissa form, Decimals and
// LabelWidth.
void NormaliseStep(AxisScale& axis, NiceSpan span, int P, LabelRule rule);

// Length of v printed with "%*.*f" at width 24, leading blanks removed.
int PrintedLength(double v, int decimals);

} // namespace kvor
