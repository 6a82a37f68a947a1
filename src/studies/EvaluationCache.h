#pragma once

#include <map>
#include <optional>

namespace kvor {

// Miss fractions of the Ns already simulated in one pass, kept to 15 significant digits.
class EvaluationCache {
public:
    void Clear() { m_values.clear(); }
    void Store(int n, double missFraction);
    std::optional<double> Find(int n) const;

private:
    std::map<int, double> m_values;
};

} // namespace kvor
