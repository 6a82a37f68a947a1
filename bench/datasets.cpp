#include "engine/DataSetDrawing.h"
#include "engine/RunWorkspace.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<kvor::RunWorkspace> Started(benchmark::State& state,
                                            kvor::RegressionType regression) {
    auto ws = std::make_unique<kvor::RunWorkspace>();
    kvor::StudyDesign& design = ws->Design;
    design.N = static_cast<int>(state.range(0));
    design.Regression = regression;
    design.FixedSeed = true;
    design.YVariance = {2, 0, 0.01, 0.01, 0, 2};
    design.XVariance = {2, 0, 0.01, 0.01, 0, 2};
    kvor::SeedGenerator(ws->Generator, design);
    kvor::BuildTargetDesign(design, design.TrueSlope, design.TrueIntercept, ws->Generator,
                            ws->TargetDesign);
    return ws;
}

void CountPairs(benchmark::State& state, int n) {
    state.counters["per_pair"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * n,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void DrawGenerated(benchmark::State& state, kvor::RegressionType regression) {
    const auto ws = Started(state, regression);
    const kvor::StudyDesign& design = ws->Design;
    int set = 0;
    for (auto _ : state) {
        kvor::DrawDataSet(design, ws->TargetDesign, nullptr, ++set, ws->Generator, ws->DataSet);
        kvor::GetVMinMax(ws->DataSet);
        benchmark::DoNotOptimize(ws->DataSet.Y.data());
    }
    CountPairs(state, design.N);
}

// The sequential pass of a run on several threads: the generator stepped past a set.
void SkipGenerated(benchmark::State& state, kvor::RegressionType regression) {
    const auto ws = Started(state, regression);
    for (auto _ : state) {
        kvor::SkipDataSet(ws->Design, ws->TargetDesign, nullptr, ws->Generator);
        benchmark::DoNotOptimize(ws->Generator.Seed());
    }
    CountPairs(state, ws->Design.N);
}

void BM_SkipDataSetOLS(benchmark::State& state) {
    SkipGenerated(state, kvor::RegressionType::OLS);
}

void BM_DrawDataSetOLS(benchmark::State& state) {
    DrawGenerated(state, kvor::RegressionType::OLS);
}

void BM_DrawDataSetDeming(benchmark::State& state) {
    DrawGenerated(state, kvor::RegressionType::Deming);
}

} // namespace

BENCHMARK(BM_DrawDataSetOLS)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000);
BENCHMARK(BM_DrawDataSetDeming)->Arg(10)->Arg(100)->Arg(1000)->Arg(5000);
BENCHMARK(BM_SkipDataSetOLS)->Arg(5000);
