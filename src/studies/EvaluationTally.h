#pragma once

namespace kvor {

// What the evaluation of one N found.
struct EvaluationCounts {
    int Counted = 0;   // valid data sets counted
    int Enclosing = 0; // of those, the ones whose intervals or region enclosed the Ideal values
    double MissFraction = 1;
    int StepFactor = 2;
};

// Counts the valid data sets of one N and decides when the evaluation is complete: at
// `setsPerRun` sets, or in an automatic search (outside the fine search) as soon as the check
// points at 100, 200 and 500 sets show the outcome clearly.
class EvaluationTally {
public:
    EvaluationTally(int setsPerRun, double allowedMiss, bool automatic, bool fineSearch);

    // Counts one valid data set; true when the evaluation is complete.
    bool Count(bool enclosing);

    // An evaluation in which no data set was valid detected nothing: miss fraction 1.
    const EvaluationCounts& Counts() const { return m_counts; }

private:
    EvaluationCounts m_counts;
    int m_setsPerRun;
    double m_allowedMiss;
    bool m_earlyDecisions;
};

} // namespace kvor
