#include "studies/SearchPass.h"

#include "studies/DetectionTable.h"
#include "studies/EvaluationCache.h"

namespace kvor {

namespace {

// Applying NextN to cached results can revisit at most every N of the range; a longer walk
// could only be a cycle, and ends the search rather than hang the run.
constexpr int MaxCacheWalk = 2 * LargestN;

} // namespace

std::optional<SearchState> RunAutomaticPass(DetectionTable& table, EvaluationCache& cache,
                                            double allowedMiss, const NEvaluator& evaluate,
                                            const DisplayRefresh& refresh, int maxEvaluations) {
    SearchState state;
    cache.Clear();
    table.Clear();
    int n = FirstSearchN;
    while (true) {
        const std::optional<EvaluationCounts> counts = evaluate(n, state.FineSearch);
        if (!counts) {
            return std::nullopt;
        }
        state.StepFactor = counts->StepFactor;
        cache.Store(n, counts->MissFraction);
        table.PutAutomatic({n, DetectionPercent(counts->MissFraction), counts->Counted});
        ++state.Evaluations;
        int next = NextN(state, n, counts->MissFraction, allowedMiss);
        for (int walked = 0; !state.Finished; ++walked) {
            const std::optional<double> cached = cache.Find(next);
            if (!cached) {
                break;
            }
            if (walked == MaxCacheWalk) {
                state.Finished = true;
                break;
            }
            next = NextN(state, next, *cached, allowedMiss);
        }
        if (state.Finished) {
            break;
        }
        table.PutAutomatic({next, std::nullopt, 0});
        refresh(next);
        table.RemoveInProgress(next);
        if (state.Evaluations >= maxEvaluations) {
            break;
        }
        n = next;
    }
    refresh(-1);
    return state;
}

bool RunSpecifiedNPass(DetectionTable& table, int n, const NEvaluator& evaluate,
                       const DisplayRefresh& refresh) {
    const std::size_t row = table.AddManual({n, std::nullopt, 0});
    refresh(n);
    const std::optional<EvaluationCounts> counts = evaluate(n, false);
    if (!counts) {
        return false;
    }
    table.Complete(row, DetectionPercent(counts->MissFraction), counts->Counted);
    refresh(n);
    return true;
}

} // namespace kvor
