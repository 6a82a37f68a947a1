#pragma once

namespace kvor {

struct VisRun;

// Why a completed run cannot be plotted.
enum class VisRefusal { None, FittedValues, Limits };

// The fitted-value and limit axes of a completed run, each spanning the Ideal value too. A range
// that cannot be scaled refuses the run; the fitted values are judged first.
VisRefusal ScaleVisAxes(VisRun& run, double trueSlope, double trueIntercept);

struct AxisRange {
    double Lo;
    double Hi;
};
// Ends of a limit axis: a zero end moved off zero, else a top equal to the Ideal value nudged so
// that the reference line is not drawn on the frame.
AxisRange LimitAxisRange(double lo, double hi, double ideal);

// The sampling-lines axes from the finished plot ranges of run.Lines.
void ScaleLinesAxes(VisRun& run);

} // namespace kvor
