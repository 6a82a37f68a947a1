#include "studies/DetectionTable.h"

#include "engine/ExtendedMath.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kvor {

double StoredPercent(double percent) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", percent);
    return std::strtod(text, nullptr);
}

double DetectionPercent(double missFraction) {
    const double percent = (1.0L - missFraction) * 100.0L;
    return StoredPercent(percent);
}

void DetectionTable::PutAutomatic(const NEvaluation& row) {
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row.N,
                                     [](const NEvaluation& r, int n) { return r.N < n; });
    if (at != m_rows.end() && at->N == row.N) {
        *at = row;
        return;
    }
    m_rows.insert(at, row);
}

std::size_t DetectionTable::AddManual(const NEvaluation& row) {
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), row.N,
                                     [](int n, const NEvaluation& r) { return n < r.N; });
    const auto index = static_cast<std::size_t>(at - m_rows.begin());
    m_rows.insert(at, row);
    return index;
}

void DetectionTable::Complete(std::size_t index, double detection, int sets) {
    NEvaluation& row = m_rows.at(index);
    row.Detection = detection;
    row.Sets = sets;
}

void DetectionTable::RemoveInProgress(int n) {
    std::erase_if(m_rows, [n](const NEvaluation& r) { return r.N == n && r.InProgress(); });
}

void CriterionTotals::Add(double slope, double intercept) {
    ++Count;
    SlopeSum = SlopeSum + static_cast<ext>(slope);
    InterceptSum = InterceptSum + static_cast<ext>(intercept);
}

} // namespace kvor
