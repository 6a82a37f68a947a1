#include "graphs/AxisScale.h"
#include "graphs/GraphLayout.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// A fixed spread of ranges, so that every routine runs through its table look-ups and trims.
std::vector<std::pair<double, double>> Ranges() {
    std::mt19937_64 engine(7);
    std::uniform_real_distribution<double> exponent(-5, 6);
    std::uniform_real_distribution<double> width(-4, 1);
    std::vector<std::pair<double, double>> ranges;
    for (int i = 0; i < 1024; ++i) {
        const double lo = std::pow(10.0, exponent(engine));
        ranges.emplace_back(i % 3 == 0 ? -lo : lo, lo * (1 + std::pow(10.0, width(engine))));
    }
    return ranges;
}

void BM_ScalePositiveAxis(benchmark::State& state) {
    const auto ranges = Ranges();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [lo, hi] = ranges[i++ % ranges.size()];
        benchmark::DoNotOptimize(kvor::ScalePositiveAxis(lo, hi));
    }
}
BENCHMARK(BM_ScalePositiveAxis);

void BM_ScaleSignedAxis(benchmark::State& state) {
    const auto ranges = Ranges();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [lo, hi] = ranges[i++ % ranges.size()];
        benchmark::DoNotOptimize(kvor::ScaleSignedAxis(lo, hi));
    }
}
BENCHMARK(BM_ScaleSignedAxis);

void BM_FormatSignificant(benchmark::State& state) {
    const auto ranges = Ranges();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::FormatSignificant(5, 2, ranges[i++ % ranges.size()].second));
    }
}
BENCHMARK(BM_FormatSignificant);

void BM_DashLayout(benchmark::State& state) {
    int L = 69;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::DashLayout(L));
        L = L < 2000 ? L + 1 : 69;
    }
}
BENCHMARK(BM_DashLayout);

} // namespace
