#include "engine/StudyDesign.h"
#include "studies/RunControl.h"
#include "visualise/VisCalculations.h"
#include "visualise/VisRun.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// SD 5 % of the level.
kvor::VarianceFunction Proportional() {
    return kvor::VarianceFunction{2, 0, 0, 0.05, 0, 2};
}

// 1000 sets at N = 100 with intervals and regions.
void VisualiseRun(benchmark::State& state, kvor::RegressionType regression) {
    kvor::StudyDesign design;
    design.Regression = regression;
    if (regression != kvor::RegressionType::OLS) {
        design.YVariance = Proportional();
        design.XVariance = Proportional();
    }
    kvor::RunControl control;
    control.SeedOverride = 20240601u;
    kvor::VisRunRequest request;
    request.VisSets = 1000;
    request.VisN = 100;
    request.Also = true;
    const auto run = std::make_unique<kvor::VisRun>();
    bool completed = false;
    for (auto _ : state) {
        completed = kvor::VCalculations(design, nullptr, request, *run, control).Completed;
        benchmark::DoNotOptimize(run->Counts);
    }
    state.counters["completed"] = completed ? 1 : 0;
    state.counters["region_detected"] = run->Counts.RegionDetected;
}

} // namespace

BENCHMARK_CAPTURE(VisualiseRun, OLS, kvor::RegressionType::OLS)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VisualiseRun, WLS, kvor::RegressionType::WLS)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VisualiseRun, Deming, kvor::RegressionType::Deming)
    ->Unit(benchmark::kMillisecond);
