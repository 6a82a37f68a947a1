#pragma once

#include "engine/StudyDesign.h"
#include "studies/DetectionDisplay.h"
#include "studies/FailedSet.h"
#include "studies/RunControl.h"

#include <functional>
#include <optional>

namespace kvor {

struct ImportedData;

enum class Criterion { ConfidenceIntervals, ConfidenceRegion };

// Both sides of the detection results. They outlive a run: specified-N rows and totals
// accumulate until the caller clears them.
struct PowerResults {
    DetectionSide Intervals;
    DetectionSide Region;

    DetectionSide& Side(Criterion c) {
        return c == Criterion::ConfidenceIntervals ? Intervals : Region;
    }
    // What the caller does after an aborted or failed run: both sides emptied.
    void Clear() {
        ClearDetectionSide(Intervals);
        ClearDetectionSide(Region);
    }
};

// How the Power run meets whoever started it. Progress gets the counted data sets of the
// evaluation in progress.
struct PowerRunControl : RunControl {
    // After the side of the criterion was updated with n (UpdatePCI / UpdatePCR).
    std::function<void(Criterion, int n)> Refresh;
};

struct PowerRunOutcome {
    bool Completed = false; // both passes ended normally
    std::optional<FailedSet> Failure;
    int Evaluations = 0;      // Ns simulated over both passes
    long long SetsFitted = 0; // fits made, valid or not
};

// The Power run: the intervals pass, then the region pass, each searching for the required N
// (Automatic) or evaluating the design's N (SpecifiedN). Data sets are generated around the
// Actual line, or drawn from `imported` when the design imports, and every fit is tested
// against the Ideal values. On a false result the caller empties both sides.
PowerRunOutcome PCalculations(const StudyDesign& design, const ImportedData* imported,
                              PowerResults& results, const PowerRunControl& control);

} // namespace kvor
