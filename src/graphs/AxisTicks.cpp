#include "graphs/AxisTicks.h"

namespace kvor {

AxisTicks TickOffsets(const AxisGeometry& geometry, const AxisScale& axis, bool minorTicks) {
    AxisTicks ticks;
    if (axis.Intervals <= 0) {
        return ticks;
    }
    const int step = geometry.ScaleLength / axis.Intervals;
    const bool gap = geometry.Gap > 0;
    for (int k = gap ? 0 : 1; k <= axis.Intervals; ++k) {
        ticks.Major.push_back(geometry.Gap + k * step);
        ticks.MajorIndex.push_back(k);
    }
    if (!minorTicks || axis.MinorTicks < 2) {
        return ticks;
    }
    for (int k = gap ? -1 : 0; k < axis.Intervals; ++k) {
        for (int j = 1; j < axis.MinorTicks; ++j) {
            const int offset =
                geometry.Gap + k * step + Rnd(static_cast<long double>(j) * step / axis.MinorTicks);
            if (offset > 0) {
                ticks.Minor.push_back(offset);
            }
        }
    }
    return ticks;
}

} // namespace kvor
