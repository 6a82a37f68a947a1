#include "studies/SampleSizeSearch.h"

#include "engine/ExtendedMath.h"

#include <algorithm>
#include <cmath>

namespace kvor {

double AllowedMissFor(int detectionRate) {
    return ToDouble(1.0L - static_cast<ext>(detectionRate) / 100.0L);
}

int EarlyDecision(double m, int n, double allowedMiss) {
    if (m == 1) {
        return 5;
    }
    if (m == 0) {
        return 10;
    }
    const double h = 4.0L * std::sqrt(static_cast<ext>(m) * (1.0L - m) / n);
    if (allowedMiss < m - static_cast<ext>(h)) {
        return 5;
    }
    if (allowedMiss > m + static_cast<ext>(h)) {
        return 10;
    }
    return 2;
}

namespace {

int FirstNextN(SearchState& s, int n, double m, double allowedMiss) {
    if (m < allowedMiss) {
        s.LowerProbe = std::max(n / s.StepFactor, s.LowerLimit);
        s.UpperProbe = n;
        if (s.StepFactor > 2) {
            s.UpperLimit = n;
        }
        return s.LowerProbe;
    }
    if (m > allowedMiss) {
        s.LowerProbe = n;
        if (s.StepFactor > 2) {
            s.LowerLimit = n;
        }
        s.UpperProbe = std::min(s.UpperLimit, s.StepFactor * n);
        return s.UpperProbe;
    }
    s.LowerProbe = std::max(s.LowerLimit, n - 10);
    s.UpperProbe = std::min(s.UpperLimit, n + 12);
    return s.LowerProbe;
}

int StartFineSearch(SearchState& s) {
    s.FineSearch = true;
    return s.LowerProbe + 1;
}

} // namespace

int NextN(SearchState& s, int n, double m, double allowedMiss) {
    if (s.Evaluations == 1) {
        return FirstNextN(s, n, m, allowedMiss);
    }
    const bool sufficient = m < allowedMiss;
    const bool insufficient = m > allowedMiss;
    if ((n == SmallestN && m <= allowedMiss) || (n == LargestN && m >= allowedMiss)) {
        s.Finished = true;
        return n;
    }
    if (s.FineSearch) {
        if (insufficient) {
            return n + 1;
        }
        s.Finished = true;
        return n;
    }
    if (sufficient && n == s.UpperProbe) {
        if (s.UpperProbe - s.LowerProbe < 6) {
            return StartFineSearch(s);
        }
        s.LowerLimit = s.LowerProbe;
        s.UpperLimit = std::min(s.UpperLimit, n);
        s.UpperProbe = (s.LowerProbe + s.UpperLimit) / 2;
        return s.UpperProbe;
    }
    if (sufficient || !insufficient) {
        // Sufficient below the upper probe, or exactly at the allowed miss.
        s.UpperLimit = n;
        s.UpperProbe = n;
        s.LowerProbe =
            sufficient ? std::max(n / s.StepFactor, s.LowerLimit) : std::max(s.LowerLimit, n - 20);
        return s.LowerProbe;
    }
    if (n == s.UpperProbe) {
        // The upper limit can only equal an insufficient N when it was a probe never simulated
        // (the bracket after an "equal" first evaluation); keeping it would probe this N again
        // and again from the cache, so the limit is opened up instead.
        if (s.UpperLimit == n) {
            s.UpperLimit = LargestN;
        }
        s.LowerLimit = n;
        s.LowerProbe = n;
        s.UpperProbe = std::min(s.UpperLimit, s.StepFactor * n);
        return s.UpperProbe;
    }
    if (s.UpperProbe - s.LowerProbe < 6) {
        return StartFineSearch(s);
    }
    s.UpperLimit = s.UpperProbe;
    s.LowerLimit = std::max(s.LowerLimit, n);
    s.LowerProbe = s.LowerLimit;
    s.UpperProbe = (s.LowerProbe + s.UpperProbe) / 2;
    return s.UpperProbe;
}

} // namespace kvor
