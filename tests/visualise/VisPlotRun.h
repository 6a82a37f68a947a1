#pragma once

#include "visualise/VisRun.h"

#include <memory>
#include <vector>

namespace vistest {

// A completed run whose sets have the given classes; a class list left empty means the run did
// not compute that kind. Set k has its fitted point at (1 + k / 100, 2 + k / 100) inside
// intervals and an outline of half-width 0.5.
inline std::unique_ptr<kvor::VisRun> ClassRun(const std::vector<kvor::BiasType>& bias,
                                              const std::vector<bool>& detected) {
    auto run = std::make_unique<kvor::VisRun>();
    const int sets = static_cast<int>(bias.empty() ? detected.size() : bias.size());
    kvor::StartVisRun(*run, sets, 10, !bias.empty(), !detected.empty());
    for (int k = 0; k < sets; ++k) {
        kvor::VisSetFit fit;
        fit.Slope = 1 + k / 100.0;
        fit.Intercept = 2 + k / 100.0;
        fit.SlopeLow = fit.Slope - 0.5;
        fit.SlopeHigh = fit.Slope + 0.5;
        fit.InterceptLow = fit.Intercept - 0.5;
        fit.InterceptHigh = fit.Intercept + 0.5;
        if (!bias.empty()) {
            fit.Bias = bias[static_cast<std::size_t>(k)];
        }
        if (!detected.empty()) {
            fit.RegionDetected = detected[static_cast<std::size_t>(k)];
        }
        for (int j = 0; j < kvor::OutlinePoints; ++j) {
            const double s = fit.SlopeLow + j * 1.0 / (kvor::OutlinePoints - 1);
            fit.Outline.Slope[static_cast<std::size_t>(j)] = s;
            fit.Outline.Lower[static_cast<std::size_t>(j)] = fit.InterceptLow;
            fit.Outline.Upper[static_cast<std::size_t>(j)] = fit.InterceptHigh;
        }
        fit.RegionInterceptMin = fit.InterceptLow;
        fit.RegionInterceptMax = fit.InterceptHigh;
        kvor::StoreVisSet(*run, fit);
    }
    run->Counts = kvor::CountVisRun(*run);
    run->ResultsAvailable = true;
    return run;
}

} // namespace vistest
