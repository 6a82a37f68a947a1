#include "studies/EvaluationTally.h"

#include "engine/ExtendedMath.h"
#include "studies/SampleSizeSearch.h"

namespace kvor {

EvaluationTally::EvaluationTally(int setsPerRun, double allowedMiss, bool automatic,
                                 bool fineSearch)
    : m_setsPerRun(setsPerRun), m_allowedMiss(allowedMiss),
      m_earlyDecisions(automatic && !fineSearch) {}

bool EvaluationTally::Count(bool enclosing) {
    ++m_counts.Counted;
    if (enclosing) {
        ++m_counts.Enclosing;
    }
    m_counts.MissFraction =
        ToDouble(static_cast<ext>(m_counts.Enclosing) / static_cast<ext>(m_counts.Counted));
    m_counts.StepFactor = 2;
    if (m_counts.Counted == m_setsPerRun) {
        return true;
    }
    const int n = m_counts.Counted;
    if (m_earlyDecisions && (n == 100 || n == 200 || n == 500)) {
        m_counts.StepFactor = EarlyDecision(m_counts.MissFraction, n, m_allowedMiss);
        return m_counts.StepFactor > 2;
    }
    return false;
}

} // namespace kvor
