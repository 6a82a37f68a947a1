#pragma once

#include <optional>
#include <vector>

namespace kvor {

// One evaluated N of a Power pass. A row without a detection percent is the N in progress.
struct NEvaluation {
    int N = 0;
    std::optional<double> Detection; // percent of counted data sets that detected the bias
    int Sets = 0;                    // data sets counted

    bool InProgress() const { return !Detection.has_value(); }
};

// Detection percents are kept as they would read back from 15 significant digits of text, so a
// table shows the same value whichever way it was filled.
double StoredPercent(double percent);

// (1 - missFraction) x 100 as a stored percent.
double DetectionPercent(double missFraction);

// The rows of one criterion, ascending by N.
class DetectionTable {
public:
    const std::vector<NEvaluation>& Rows() const { return m_rows; }
    bool Empty() const { return m_rows.empty(); }
    void Clear() { m_rows.clear(); }

    // Automatic table: at most one row per N; a row for a listed N replaces it.
    void PutAutomatic(const NEvaluation& row);
    // Manual table: a row for a listed N goes after the rows already there for that N.
    // Returns the index of the new row.
    std::size_t AddManual(const NEvaluation& row);
    // Completes the manual row at `index` (the one AddManual returned).
    void Complete(std::size_t index, double detection, int sets);
    // Drops the in-progress row for n, if there is one.
    void RemoveInProgress(int n);

private:
    std::vector<NEvaluation> m_rows;
};

// Count of the data sets of one criterion and the sums of their fitted slopes and intercepts.
struct CriterionTotals {
    long long Count = 0;
    double SlopeSum = 0;
    double InterceptSum = 0;

    void Add(double slope, double intercept);
};

} // namespace kvor
