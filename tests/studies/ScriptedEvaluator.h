#pragma once

#include "studies/EvaluationTally.h"
#include "studies/SearchPass.h"

#include <functional>
#include <optional>
#include <vector>

namespace kvor::test {

// Stands in for the simulation of one N: the script gives, for each N, how many of every 1000
// valid data sets enclose the Ideal values. Set k encloses when k x e / 1000 steps up, so after
// 100, 200, 500 or 1000 sets the enclosing share is exactly e / 1000 (to whole sets).
class ScriptedEvaluator {
public:
    ScriptedEvaluator(std::function<int(int n)> enclosingPerMille, double allowedMiss,
                      bool automatic, int setsPerRun = 1000)
        : m_script(std::move(enclosingPerMille)), m_allowedMiss(allowedMiss),
          m_automatic(automatic), m_setsPerRun(setsPerRun) {}

    std::optional<EvaluationCounts> Evaluate(int n, bool fineSearch) {
        Evaluated.push_back(n);
        FineSearch.push_back(fineSearch);
        if (StopAt == n) {
            return std::nullopt;
        }
        const int e = m_script(n);
        EvaluationTally tally(m_setsPerRun, m_allowedMiss, m_automatic, fineSearch);
        for (int k = 1; !tally.Count((k * e) / 1000 > ((k - 1) * e) / 1000); ++k) {
        }
        Counted.push_back(tally.Counts().Counted);
        return tally.Counts();
    }

    NEvaluator AsEvaluator() {
        return [this](int n, bool fine) { return Evaluate(n, fine); };
    }

    std::vector<int> Evaluated;
    std::vector<int> Counted;
    std::vector<bool> FineSearch;
    int StopAt = -1; // an N at which the run is stopped (abort or failed fit)

private:
    std::function<int(int)> m_script;
    double m_allowedMiss;
    bool m_automatic;
    int m_setsPerRun;
};

} // namespace kvor::test
