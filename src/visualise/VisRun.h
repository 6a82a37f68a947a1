#pragma once

#include "engine/AxisScale.h"
#include "engine/RunResults.h"
#include "visualise/BiasType.h"
#include "visualise/VisSetFit.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kvor {

inline constexpr int MaxVisSets = 1000;

// Smallest and largest of the values folded in; empty while Min > Max.
struct Extent {
    double Min = 1e300;
    double Max = -1e300;

    void Fold(double v) {
        if (v < Min) {
            Min = v;
        }
        if (v > Max) {
            Max = v;
        }
    }
};

struct VisExtents {
    Extent FitSlope;
    Extent FitIntercept;
    Extent LimitSlope;
    Extent LimitIntercept;
    Extent RegionSlope;
    Extent RegionIntercept;
};

struct VisCounts {
    std::array<int, BiasTypeCount> Bias{}; // sets per BiasType
    int RegionNotDetected = 0;
    int RegionDetected = 0;

    int Of(BiasType b) const { return Bias[static_cast<int>(b)]; }
};

// The stored sets of one visualisation run, with their extents, counts and axes. Set k (1-based)
// is element k - 1. Sized once for the largest run.
struct VisRun {
    VisRun();

    int VisSets = 250;
    int VisN = 3;
    bool WithIntervals = false; // the run computed the intervals of its sets
    bool WithRegions = false;   // the run computed the regions of its sets
    std::vector<double> FitSlope;
    std::vector<double> FitIntercept;
    std::vector<double> SlopeLow;
    std::vector<double> SlopeHigh;
    std::vector<double> InterceptLow;
    std::vector<double> InterceptHigh;
    std::vector<BiasType> SetBias;
    std::vector<std::uint8_t> RegionDetected;
    std::vector<kvor::RegionOutline> RegionOutline;
    VisExtents Extents;
    VisCounts Counts;
    AxisScale FitSlopeAxis;
    AxisScale FitInterceptAxis;
    AxisScale LimitSlopeAxis;
    AxisScale LimitInterceptAxis;
    // The sampling-lines record and its X and Y axes.
    RunResults Lines;
    AxisScale LinesXAxis;
    AxisScale LinesYAxis;
    int SetsDone = 0;
    bool ResultsAvailable = false;
};

// Back to an empty run of the given size: extents, counts, axes, lines and the flag.
void StartVisRun(VisRun& run, int visSets, int visN, bool withIntervals, bool withRegions);

// Stores a usable set as the next one and folds it into the extents.
void StoreVisSet(VisRun& run, const VisSetFit& fit);

// The counts per bias type and of region detection over the stored sets.
VisCounts CountVisRun(const VisRun& run);

} // namespace kvor
