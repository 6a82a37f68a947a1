#pragma once

#include "graphs/VFCurve.h"

#include <string_view>

namespace kvor {

struct GraphOptions;

// Combined ranges, the mean-axis choice (XLog, VFZeroOriginForced, VFZeroOrigin), the eight
// axes and YLog, once the checks have marked at least one curve plottable.
void CompleteVFCurveSet(VFCurveSet& set, GraphOptions& options);

// The dialog caption for the plottable functions; the graph title is it without the leading
// blank. Empty when nothing is plottable.
std::string_view VFCaption(const VFCurveSet& set);

// The CV (%) mean axis on a logarithmic scale: MeanLogAxis without its leading decades in which
// every plotted curve lies above the top of CvAxis. Unchanged for fewer than 2 decades.
AxisScale ReduceXRange(const VFCurveSet& set);

} // namespace kvor
