#include "graphs/VFLogAxis.h"

#include "graphs/AxisScale.h"

#include <cmath>
#include <cstdio>

namespace kvor {

bool LogPowerNotation(const AxisScale& axis, bool horizontal) {
    const int start = axis.StartExponent;
    const int end = axis.StartExponent + axis.Intervals;
    if (horizontal) {
        return axis.Intervals > 6 || (axis.Intervals > 5 && (start < -5 || end > 5));
    }
    return start < -4 || end > 4;
}

std::string LogDecimalLabel(int e, char decimalSeparator) {
    const LabelExtent extent = LogLabelExtent(e);
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", extent.Decimals, std::pow(10.0, e));
    std::string label(text);
    for (char& c : label) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return label;
}

AxisTicks LogTickOffsets(const AxisGeometry& geometry, const AxisScale& axis, bool minorTicks) {
    AxisTicks ticks;
    if (axis.Intervals <= 0) {
        return ticks;
    }
    const int decade = geometry.ScaleLength / axis.Intervals;
    for (int k = 0; k <= axis.Intervals; ++k) {
        ticks.Major.push_back(geometry.Gap + k * decade);
        ticks.MajorIndex.push_back(k);
    }
    if (!minorTicks) {
        return ticks;
    }
    for (int k = -1; k < axis.Intervals; ++k) {
        for (int m = 2; m <= 9; ++m) {
            const int offset = geometry.Gap + k * decade + Rnd(std::log10(m) * decade);
            if (offset > 0) {
                ticks.Minor.push_back(offset);
            }
        }
    }
    return ticks;
}

} // namespace kvor
