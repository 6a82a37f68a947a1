#include "engine/DataSetDrawing.h"
#include "engine/RunWorkspace.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

void DrawGenerated(benchmark::State& state, kvor::RegressionType regression) {
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
    int set = 0;
    for (auto _ : state) {
        kvor::DrawDataSet(design, ws->TargetDesign, nullptr, ++set, ws->Generator, ws->DataSet);
        kvor::GetVMinMax(ws->DataSet);
        benchmark::DoNotOptimize(ws->DataSet.Y.data());
    }
    state.counters["per_pair"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * design.N,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
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
