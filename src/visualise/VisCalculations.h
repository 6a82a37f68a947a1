#pragma once

#include "visualise/VisAxes.h"
#include "visualise/VisTexts.h"

#include <cstdint>

namespace kvor {

struct ImportedData;
struct RunControl;
struct StudyDesign;
struct VisRun;

struct VisRunRequest {
    VisRunKind Kind = VisRunKind::Intervals;
    int VisSets = 250;
    int VisN = 3;
    // The intervals run also computes regions, the region run also intervals. A specified-N
    // design always computes both.
    bool Also = true;
};

struct VisRunOutcome {
    bool Completed = false; // VisSets usable sets and plottable axes
    VisRefusal Refusal = VisRefusal::None;
    std::uint32_t Seed = 0;
    long long Attempts = 0; // data sets drawn
};

// Re-simulates the Power design at the request's N: the same draws as the Power run (around the
// Actual line, or from `imported`), fitted by the visualisation fits at the design's significance
// and judged against the Ideal line. At most 10 x VisSets sets are drawn. `run` is left with
// ResultsAvailable only when the outcome is completed; the caller's abort flag and progress (the
// number of usable sets) are in `control`.
VisRunOutcome VCalculations(const StudyDesign& design, const ImportedData* imported,
                            const VisRunRequest& request, VisRun& run, const RunControl& control);

} // namespace kvor
