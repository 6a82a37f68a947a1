#pragma once

namespace kvor {

struct DataSet;
struct RunResults;

// Adds one fitted line of a completed set to the sampling-lines record: the line, its X range,
// the run-wide extremes and the running sums of slope and intercept.
void AddSampledLine(RunResults& r, double slope, double intercept, const DataSet& data);

// Which range decides that the Y axis starts at zero: the fitted values themselves (Accuracy)
// or the plot range made from them (visualisation).
enum class YSpanTest { FittedValues, PlotRange };

// Turns the sums into means and suggests the plot ranges of the sampling-lines plot; -1 in
// PlotXMin or PlotYMin asks for an axis from zero.
void FinishSampledLines(RunResults& r, YSpanTest test);

} // namespace kvor
