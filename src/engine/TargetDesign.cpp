#include "engine/TargetDesign.h"

#include "engine/ExtendedMath.h"
#include "engine/RandomGenerator.h"
#include "engine/VarianceFunctions.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

// The bin shares are the extended-precision values nearest the decimals; 0.15L lies slightly
// above 0.15, which moves some RightSkewed counts up by one and is part of the design rule.
int Share(ext fraction, int m) {
    return static_cast<int>(RoundHalfEven(fraction * m));
}

double PointSD(const VarianceFunction& f, double v) {
    const double variance = PVar(f.Para, f.Form, f.B1, f.B2, f.B3, f.J, v);
    return ToDouble(std::sqrt(static_cast<ext>(variance)));
}

} // namespace

std::array<int, 5> BinCounts(XDistribution dist, int N) {
    const int m = N - 2;
    switch (dist) {
    case XDistribution::Uniform: {
        if (N == 4) {
            return {0, 1, 0, 1, 0};
        }
        if (N == 5) {
            return {0, 1, 1, 1, 0};
        }
        const int k = Share(0.2L, m);
        return {k, k, std::max(0, m - 4 * k), k, k};
    }
    case XDistribution::CentrallyLocated: {
        const int a = Share(0.1L, m);
        const int c = Share(0.2L, m);
        return {a, c, std::max(0, m - 2 * a - 2 * c), c, a};
    }
    case XDistribution::RightSkewed: {
        const int b2 = Share(0.2L, m);
        const int b3 = Share(0.15L, m);
        const int b4 = Share(0.1L, m);
        const int b5 = Share(0.05L, m);
        return {std::max(0, m - (b2 + b3 + b4 + b5)), b2, b3, b4, b5};
    }
    }
    return {0, 0, 0, 0, 0};
}

void BuildTargetDesign(const StudyDesign& design, double slope, double intercept,
                       RandomGenerator& generator, TargetDesign& target) {
    const int N = std::clamp(design.N, 2, MaxPairsPerSet);
    target.N = N;
    const ext b = slope;
    target.XTarget[N - 1] = design.XMax;
    target.YTarget[N - 1] = ToDouble(b * design.XMax + intercept);
    target.XTarget[N - 2] = design.XMin;
    target.YTarget[N - 2] = ToDouble(b * design.XMin + intercept);

    const double width = ToDouble((static_cast<ext>(design.XMax) - design.XMin) / 5);
    const std::array<int, 5> counts = BinCounts(design.XDist, N);
    int i = 0;
    for (int bin = 0; bin < 5; ++bin) {
        const double low = ToDouble(design.XMin + static_cast<ext>(bin) * width);
        for (int c = 0; c < counts[bin] && i < N - 2; ++c, ++i) {
            target.XTarget[i] = ToDouble(static_cast<ext>(generator.NextUniform()) * width + low);
            target.YTarget[i] = ToDouble(b * target.XTarget[i] + intercept);
        }
    }

    if (design.Regression == RegressionType::OLS) {
        return;
    }
    for (int p = 0; p < N; ++p) {
        target.YSD[p] = PointSD(design.YVariance, target.YTarget[p]);
        if (design.Regression == RegressionType::Deming) {
            target.XSD[p] = PointSD(design.XVariance, target.XTarget[p]);
        }
    }
}

} // namespace kvor
