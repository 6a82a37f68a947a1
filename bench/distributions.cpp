#include "engine/Distributions.h"
#include "engine/CriticalValues.h"
#include "engine/StudyDesign.h"
#include "engine/VarianceFunctions.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TQuantile(benchmark::State& state) {
    const int df = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::TQuantile(df, 0.05));
    }
}
BENCHMARK(BM_TQuantile)->Arg(1)->Arg(98)->Arg(4998);

void BM_FQuantile(benchmark::State& state) {
    const int df2 = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::FQuantile(2, df2, 0.01));
    }
}
BENCHMARK(BM_FQuantile)->Arg(1)->Arg(98)->Arg(4998);

// What a run pays once at its start.
void BM_ComputeCriticalValues(benchmark::State& state) {
    kvor::StudyDesign design;
    design.N = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::ComputeCriticalValues(design));
    }
}
BENCHMARK(BM_ComputeCriticalValues)->Arg(3)->Arg(100)->Arg(5000);

// Evaluated for every point of every weighted fit, so its cost counts.
void BM_PVar(benchmark::State& state) {
    double v = 10.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::PVar(0, 2, 1, 0.1, 0, 1.7, v));
        v = v < 1000 ? v + 0.5 : 10.0;
    }
}
BENCHMARK(BM_PVar);

} // namespace
