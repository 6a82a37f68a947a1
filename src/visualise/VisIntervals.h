#pragma once

#include "visualise/BiasType.h"

namespace kvor {

struct RegressionOutcome;
struct RunControl;
struct VisFitSettings;
struct VisSetFit;

// A value equal to a limit counts as inside.
BiasType ClassifyBias(double trueSlope, double slopeLow, double slopeHigh, double trueIntercept,
                      double interceptLow, double interceptHigh);

// The limits estimate ± C x SE of both parameters and the set's bias type, from fit.Slope and
// fit.Intercept.
void SetIntervals(VisSetFit& fit, double seSlope, double seIntercept,
                  const VisFitSettings& settings);

// The estimates of a fit into fit, with the intervals when the settings ask for them; false when
// a floating-point failure spoiled the limits or the run was aborted.
bool SetEstimates(VisSetFit& fit, const RegressionOutcome& estimate, const VisFitSettings& settings,
                  const RunControl& control);

} // namespace kvor
