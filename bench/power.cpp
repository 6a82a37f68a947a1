#include "BenchDesigns.h"
#include "engine/StudyDesign.h"
#include "studies/PowerRun.h"

#include <benchmark/benchmark.h>

#include <atomic>

namespace {

// A whole automatic run (both passes) of the window's default design with the given fit.
void PowerRun(benchmark::State& state, kvor::RegressionType regression) {
    kvor::StudyDesign design;
    design.Regression = regression;
    if (regression != kvor::RegressionType::OLS) {
        design.YVariance = kvor::bench::ProportionalSD(0.05);
        design.XVariance = kvor::bench::ProportionalSD(0.05);
    }
    const std::atomic<bool> flag{true};
    kvor::PowerRunControl control;
    control.AbortFlag = &flag;
    control.SeedOverride = 20240601u;
    kvor::PowerRunOutcome last;
    int intervalsN = 0;
    int regionN = 0;
    for (auto _ : state) {
        kvor::PowerResults results;
        last = kvor::PCalculations(design, nullptr, results, control);
        intervalsN = results.Intervals.AnswerStore;
        regionN = results.Region.AnswerStore;
        benchmark::DoNotOptimize(results);
    }
    if (!last.Completed) {
        state.SkipWithError("the run did not complete");
    }
    state.counters["evaluations"] = last.Evaluations;
    state.counters["sets_fitted"] = static_cast<double>(last.SetsFitted);
    state.counters["required_n_ci"] = intervalsN;
    state.counters["required_n_cr"] = regionN;
}

} // namespace

BENCHMARK_CAPTURE(PowerRun, OLS, kvor::RegressionType::OLS)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PowerRun, WLSProportional, kvor::RegressionType::WLS)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PowerRun, DemingProportional, kvor::RegressionType::Deming)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
