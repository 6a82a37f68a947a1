#include "visualise/VisPartition.h"

#include "graphs/GraphOptions.h"
#include "visualise/VisRun.h"

#include <algorithm>

namespace kvor {

PartitionFlags PartitionFlagsOf(const VisRun& run) {
    const auto& bias = run.Counts.Bias;
    const bool mixed =
        std::none_of(bias.begin(), bias.end(), [&run](int count) { return count == run.SetsDone; });
    PartitionFlags flags;
    flags.CanPartitionIntervals = run.WithIntervals && mixed;
    flags.CanPartitionRegions =
        run.WithRegions && run.Counts.RegionNotDetected > 0 && run.Counts.RegionDetected > 0;
    return flags;
}

GraphTypeAvailability GraphTypesOf(int runSelector, const VisRun& run, PartitionFlags flags) {
    GraphTypeAvailability a;
    if (runSelector == 1) {
        a.CRRadioButton = run.WithRegions;
        a.CRRB = run.WithRegions && flags.CanPartitionRegions;
        a.Start = VisGraphType::Intervals;
    } else {
        a.CIRadioButton = run.WithIntervals;
        a.CIRB = run.WithIntervals && flags.CanPartitionIntervals;
        a.Start = VisGraphType::Regions;
    }
    return a;
}

PartitionRadios PartitionRadiosFrom(VisGraphType from, PartitionFlags flags) {
    PartitionRadios r;
    r.RegionsSelected = from == VisGraphType::Regions;
    r.CIRBEnabled = !r.RegionsSelected || flags.CanPartitionIntervals;
    r.CRRBEnabled = r.RegionsSelected || flags.CanPartitionRegions;
    return r;
}

OptionsViewEnabling OptionsEnablingOf(VisGraphType type, bool blackWhite, PartitionFlags flags) {
    OptionsViewEnabling e;
    const bool lines = type == VisGraphType::Lines;
    e.DataControls = !lines;
    e.Colours = !blackWhite;
    e.DataColour = !blackWhite && !lines;
    const bool canPartition = (type == VisGraphType::Intervals && flags.CanPartitionIntervals) ||
                              (type == VisGraphType::Regions && flags.CanPartitionRegions);
    e.PartitionButton = canPartition && !blackWhite;
    return e;
}

int ClassBoxOf(bool regions, int code) {
    if (!regions) {
        return code >= 0 && code < BiasTypeCount ? code : -1;
    }
    return code == 0 ? 0 : code == 1 ? DetBox : -1;
}

int ClassCodeOf(bool regions, int box) {
    if (!regions) {
        return box >= 0 && box < BiasTypeCount ? box : -1;
    }
    return box == 0 ? 0 : box == DetBox ? 1 : -1;
}

ClassBoxEnabling PartitionDesignOf(const VisRun& run, bool regions, bool partitioned) {
    ClassBoxEnabling e;
    if (!partitioned) {
        return e;
    }
    if (regions) {
        e.Box[0] = run.Counts.RegionNotDetected > 0;
        e.Box[DetBox] = run.Counts.RegionDetected > 0;
    } else {
        for (int b = 0; b < BiasTypeCount; ++b) {
            e.Box[static_cast<std::size_t>(b)] = run.Counts.Bias[static_cast<std::size_t>(b)] > 0;
        }
    }
    e.ColourLabel = e.Box;
    e.ColourBox = e.Box;
    e.ColourBox[DetBox] = e.ColourBox[DetBox] || regions;
    return e;
}

std::vector<int> SetsOfClass(const VisRun& run, bool regions, int code) {
    std::vector<int> sets;
    const int count = std::min<int>(run.SetsDone, static_cast<int>(run.SetBias.size()));
    for (int i = 0; i < count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int of =
            regions ? static_cast<int>(run.RegionDetected[k]) : static_cast<int>(run.SetBias[k]);
        if (of == code) {
            sets.push_back(i);
        }
    }
    return sets;
}

RgbColour ClassColour(const GraphOptions& options, bool regions, int code) {
    if (regions) {
        return code == 1 ? options.DetectedColour : options.NotDetectedColour;
    }
    switch (code) {
    case 1:
        return options.ProportionalColour;
    case 2:
        return options.ConstantColour;
    case 3:
        return options.BothColour;
    default:
        return options.NotDetectedColour;
    }
}

} // namespace kvor
