#pragma once

#include "engine/AxisScale.h"
#include "graphs/GraphLayout.h"

#include <vector>

namespace kvor {

// Tick positions along an axis, in pixels from the plot edge (left or bottom).
struct AxisTicks {
    std::vector<int> Major;      // labelled ticks
    std::vector<int> MajorIndex; // tick k of each, for its label (0 = AxisStart)
    std::vector<int> Minor;
};

// Without a gap the tick and label at the origin are left out; minor ticks also fill the part
// of an interval that falls in the gap before the first tick.
AxisTicks TickOffsets(const AxisGeometry& geometry, const AxisScale& axis, bool minorTicks);

} // namespace kvor
