#pragma once

#include "graphs/VFPlotCheck.h"

#include <gtest/gtest.h>

namespace kvor {

// A curve over [lo, hi] after the plot's checks, which it is expected to pass.
inline VFCurve PlottableCurve(const VarianceFunction& f, double lo, double hi) {
    VFCurve c = MakeVFCurve(f, lo, hi);
    CheckVarianceFunctionPlotting(c);
    EXPECT_TRUE(c.Plottable);
    return c;
}

} // namespace kvor
