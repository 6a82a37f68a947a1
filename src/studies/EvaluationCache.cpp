#include "studies/EvaluationCache.h"

#include <cstdio>
#include <cstdlib>

namespace kvor {

void EvaluationCache::Store(int n, double missFraction) {
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", missFraction);
    m_values[n] = std::strtod(text, nullptr);
}

std::optional<double> EvaluationCache::Find(int n) const {
    const auto found = m_values.find(n);
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace kvor
