#include "BenchDesigns.h"
#include "engine/RunResults.h"
#include "engine/StudyDesign.h"
#include "studies/AccuracyRun.h"
#include "studies/PowerRun.h"
#include "visualise/VisCalculations.h"
#include "visualise/VisRun.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

kvor::StudyDesign DemingDesign(int n, int sets) {
    kvor::StudyDesign design;
    design.Regression = kvor::RegressionType::Deming;
    design.N = n;
    design.SetsPerRun = sets;
    design.FixedSeed = true;
    design.YVariance = kvor::bench::ProportionalSD(0.05);
    design.XVariance = kvor::bench::ProportionalSD(0.05);
    return design;
}

// How long a run takes to return once its abort flag is cleared, 40 ms after it started: the
// time an Abort or a closed window waits. range(0) = threads.
void AbortLatency(benchmark::State& state,
                  const std::function<void(const kvor::RunControl&)>& run) {
    double longest = 0;
    for (auto _ : state) {
        std::atomic<bool> running = true;
        kvor::RunControl control;
        control.AbortFlag = &running;
        control.Threads = static_cast<int>(state.range(0));
        control.SeedOverride = 20240601u;
        std::thread runner([&] { run(control); });
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        const Clock::time_point aborted = Clock::now();
        running = false;
        runner.join();
        const double seconds = std::chrono::duration<double>(Clock::now() - aborted).count();
        state.SetIterationTime(seconds);
        longest = std::max(longest, seconds);
    }
    state.counters["longest_ms"] = longest * 1000;
}

void BM_AbortAccuracyDeming5000(benchmark::State& state) {
    auto results = std::make_unique<kvor::RunResults>();
    AbortLatency(state, [&](const kvor::RunControl& base) {
        kvor::AccuracyRunControl control;
        static_cast<kvor::RunControl&>(control) = base;
        kvor::ACalculations(DemingDesign(5000, 10000), nullptr, *results, control);
    });
}

void BM_AbortPowerDeming(benchmark::State& state) {
    AbortLatency(state, [](const kvor::RunControl& base) {
        kvor::PowerRunControl control;
        static_cast<kvor::RunControl&>(control) = base;
        kvor::PowerResults results;
        kvor::PCalculations(DemingDesign(3, 1000), nullptr, results, control);
    });
}

void BM_AbortVisualiseDeming(benchmark::State& state) {
    auto run = std::make_unique<kvor::VisRun>();
    AbortLatency(state, [&](const kvor::RunControl& control) {
        kvor::VisRunRequest request;
        request.VisSets = 1000;
        request.VisN = 200;
        kvor::VCalculations(DemingDesign(3, 1000), nullptr, request, *run, control);
    });
}

} // namespace

BENCHMARK(BM_AbortAccuracyDeming5000)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbortPowerDeming)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbortVisualiseDeming)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
