#include "BenchDesigns.h"
#include "engine/RunResults.h"
#include "engine/StudyDesign.h"
#include "studies/AccuracyRun.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// One whole Accuracy run: range(0) = N, range(1) = data sets, range(2) = threads (1 when
// absent). Real time is what counts with more than one thread.
void AccuracyRun(benchmark::State& state, kvor::RegressionType regression) {
    kvor::StudyDesign design;
    design.Regression = regression;
    design.N = static_cast<int>(state.range(0));
    design.SetsPerRun = static_cast<int>(state.range(1));
    design.FixedSeed = true;
    if (regression != kvor::RegressionType::OLS) {
        design.YVariance = kvor::bench::ProportionalSD(0.05);
        design.XVariance = kvor::bench::ProportionalSD(0.05);
    }
    kvor::AccuracyRunControl control;
    control.Threads = state.range(2) > 0 ? static_cast<int>(state.range(2)) : 1;
    auto results = std::make_unique<kvor::RunResults>();
    int valid = 0;
    for (auto _ : state) {
        const auto outcome = kvor::ACalculations(design, nullptr, *results, control);
        if (outcome.End != kvor::RunEnd::Completed) {
            state.SkipWithError("the run did not complete");
            break;
        }
        valid = outcome.Results->ValidCount;
    }
    state.counters["valid"] = valid;
    state.counters["ns_per_pair"] = benchmark::Counter(
        static_cast<double>(design.N) * design.SetsPerRun,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK_CAPTURE(AccuracyRun, OLS, kvor::RegressionType::OLS)
    ->Args({100, 1000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AccuracyRun, OLSLargest, kvor::RegressionType::OLS)
    ->Args({5000, 10000, 1})
    ->Args({5000, 10000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK_CAPTURE(AccuracyRun, WLSProportional, kvor::RegressionType::WLS)
    ->Args({100, 1000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AccuracyRun, DemingProportional, kvor::RegressionType::Deming)
    ->Args({100, 1000, 1})
    ->Args({100, 1000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(AccuracyRun, DemingProportionalLargest, kvor::RegressionType::Deming)
    ->Args({5000, 10000, 1})
    ->Args({5000, 10000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
