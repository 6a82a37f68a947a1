#pragma once

#include "graphs/VFCurvePoints.h"

namespace kvor {

// Where a curve label of w x h pixels goes when the user has not placed it: beside the visible
// end of the curve, inside the plot. Returns the label's lower-left corner in plot pixels (from
// the lower-left corner, Y upward); the curve must be visible.
PlotPoint AutoLabelPosition(const VFCurvePoints& curve, double w, double h, double plotWidth,
                            double plotHeight);

} // namespace kvor
