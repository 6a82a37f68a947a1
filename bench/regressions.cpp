#include "engine/DataSetDrawing.h"
#include "engine/OLSRegression.h"
#include "engine/RunWorkspace.h"
#include "engine/WLSRegression.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int SetsInPool = 64;

// A workspace with a run's targets and a pool of drawn sets, so a fit never sees the same data
// twice in a row.
struct Pool {
    std::unique_ptr<kvor::RunWorkspace> Ws = std::make_unique<kvor::RunWorkspace>();
    std::vector<kvor::DataSet> Sets;
};

std::unique_ptr<Pool> MakePool(int n, kvor::RegressionType regression) {
    auto pool = std::make_unique<Pool>();
    kvor::RunWorkspace& ws = *pool->Ws;
    ws.Design.N = n;
    ws.Design.Regression = regression;
    ws.Design.FixedSeed = true;
    ws.Design.XMin = 10;
    ws.Design.XMax = 100;
    ws.Design.YVariance = {2, 0, 0.01, 0.01, 0, 2};
    ws.CriticalValues = {1.96, 2.576, 3.0, 4.6};
    kvor::SeedGenerator(ws.Generator, ws.Design);
    kvor::BuildTargetDesign(ws.Design, 1, 0, ws.Generator, ws.TargetDesign);
    pool->Sets.resize(SetsInPool);
    for (int s = 0; s < SetsInPool; ++s) {
        kvor::DrawDataSet(ws.Design, ws.TargetDesign, nullptr, s + 1, ws.Generator, pool->Sets[s]);
        kvor::GetVMinMax(pool->Sets[s]);
    }
    return pool;
}

void BM_DoOLSRegression(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto pool = MakePool(n, kvor::RegressionType::OLS);
    const kvor::RunWorkspace& ws = *pool->Ws;
    int s = 0;
    for (auto _ : state) {
        const kvor::RegressionOutcome r =
            kvor::DoOLSRegression(ws.Design, ws.CriticalValues, pool->Sets[s++ % SetsInPool]);
        benchmark::DoNotOptimize(r);
    }
    state.counters["per_pair"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * n,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_DoWLSRegression(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto pool = MakePool(n, kvor::RegressionType::WLS);
    kvor::RunWorkspace& ws = *pool->Ws;
    int s = 0;
    long passes = 0;
    for (auto _ : state) {
        const kvor::RegressionOutcome r = kvor::DoWLSRegression(
            ws.Design, ws.CriticalValues, pool->Sets[s++ % SetsInPool], ws.WLSScratch);
        passes += ws.WLSScratch.Passes;
        benchmark::DoNotOptimize(r);
    }
    state.counters["passes"] =
        static_cast<double>(passes) / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(BM_DoOLSRegression)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000);
BENCHMARK(BM_DoWLSRegression)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMicrosecond);
