#pragma once

#include "studies/EvaluationTally.h"
#include "studies/SampleSizeSearch.h"

#include <functional>
#include <optional>

namespace kvor {

class DetectionTable;
class EvaluationCache;

// Simulates the data sets of one N (whatever the source of its verdicts) and says what they
// showed; std::nullopt when the run must stop (abort or a failed fit).
using NEvaluator = std::function<std::optional<EvaluationCounts>(int n, bool fineSearch)>;

// Rebuilds the criterion's display: the N just started or finished, or -1 for the final listing.
using DisplayRefresh = std::function<void(int n)>;

// The automatic search of one criterion from N = 200: fills `table` (cleared first) and
// `cache`, ends with the final display and gives the search state it ended in; std::nullopt
// when the evaluator stopped the run. The pass also ends after `maxEvaluations` simulations.
std::optional<SearchState> RunAutomaticPass(DetectionTable& table, EvaluationCache& cache,
                                            double allowedMiss, const NEvaluator& evaluate,
                                            const DisplayRefresh& refresh,
                                            int maxEvaluations = MaxEvaluationsPerPass);

// One evaluation of a user-given N, added as a new row after any earlier rows for that N.
bool RunSpecifiedNPass(DetectionTable& table, int n, const NEvaluator& evaluate,
                       const DisplayRefresh& refresh);

} // namespace kvor
