#pragma once

#include "engine/AxisScale.h"
#include "graphs/AxisTicks.h"
#include "graphs/GraphLayout.h"

#include <string>

namespace kvor {

// Which logarithmic axes label their decades as "10" with a raised exponent: a wide X axis, or
// one reaching far from 1; a Y axis reaching beyond 10^-4 or 10^4.
bool LogPowerNotation(const AxisScale& axis, bool horizontal);

// The decimal label of 10^e: no decimals from 1 up, -e decimals below.
std::string LogDecimalLabel(int e, char decimalSeparator = '.');

// Ticks of a logarithmic axis: a labelled tick at every decade (MajorIndex k is 10^(start + k)),
// and minor ticks at 2..9 x 10^e, also in the part of a decade that falls in the gap.
AxisTicks LogTickOffsets(const AxisGeometry& geometry, const AxisScale& axis, bool minorTicks);

} // namespace kvor
