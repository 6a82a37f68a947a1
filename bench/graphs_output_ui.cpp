// Redrawing and exporting the sampling-lines plot of 10000 sets.

#include "engine/RunResults.h"
#include "graphs/GraphOptions.h"
#include "graphs/SampleLinesModel.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/SampleLinesGraph.h"
#include "platform/ScriptedOutputServices.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int Sets = 10000;

std::unique_ptr<kvor::RunResults> TenThousandSets() {
    auto r = std::make_unique<kvor::RunResults>();
    std::mt19937 generator(12345);
    std::normal_distribution<double> slope(1.0, 0.02);
    std::normal_distribution<double> intercept(0.0, 2.0);
    std::uniform_real_distribution<double> xMin(10, 30);
    std::uniform_real_distribution<double> xMax(150, 200);
    r->Count = Sets;
    for (std::size_t k = 0; k < Sets; ++k) {
        r->Slopes[k] = slope(generator);
        r->Intercepts[k] = intercept(generator);
        r->XMins[k] = xMin(generator);
        r->XMaxs[k] = xMax(generator);
        r->SlopeMin = std::min(r->SlopeMin, r->Slopes[k]);
        r->SlopeMax = std::max(r->SlopeMax, r->Slopes[k]);
        r->InterceptMin = std::min(r->InterceptMin, r->Intercepts[k]);
        r->InterceptMax = std::max(r->InterceptMax, r->Intercepts[k]);
    }
    r->PlotXMin = 10;
    r->PlotXMax = 200;
    r->PlotYMin = 5;
    r->PlotYMax = 210;
    kvor::PrepareSampleLinesAxes(*r, false);
    return r;
}

struct Plot {
    explicit Plot(kvor::SampleLinesType type) {
        kvor::ApplyFontPreset(Options);
        Graph = std::make_unique<kvor::TSampleLinesGraph>(*Results, Options, [] {
            return kvor::TrueValues{1, 0};
        });
        Graph->Type = type;
        Graph->Title1 = "OLS Regression Accuracy:  10000 simulated sets of N = 100";
    }
    std::unique_ptr<kvor::RunResults> Results = TenThousandSets();
    kvor::GraphOptions Options = kvor::DesignGraphOptions();
    std::unique_ptr<kvor::TSampleLinesGraph> Graph;
};

void BM_ScreenPictureLines(benchmark::State& state) {
    Plot plot(kvor::SampleLinesType::Lines);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::RenderScreenPicture(*plot.Graph, 1700, 1100));
    }
}
BENCHMARK(BM_ScreenPictureLines)->Unit(benchmark::kMillisecond);

void BM_ScreenPicturePoints(benchmark::State& state) {
    Plot plot(kvor::SampleLinesType::ParameterSpace);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::RenderScreenPicture(*plot.Graph, 1700, 1100));
    }
}
BENCHMARK(BM_ScreenPicturePoints)->Unit(benchmark::kMillisecond);

void BM_ExportBmpLines(benchmark::State& state) {
    Plot plot(kvor::SampleLinesType::Lines);
    const QTemporaryDir dir;
    kvor::ScriptedClipboardService clipboard;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kvor::CustomBitmap(*plot.Graph, 1920, 1440, dir.filePath("x.bmp"), 3, clipboard));
    }
}
BENCHMARK(BM_ExportBmpLines)->Unit(benchmark::kMillisecond);

void BM_ExportEmfLines(benchmark::State& state) {
    Plot plot(kvor::SampleLinesType::Lines);
    const QTemporaryDir dir;
    kvor::ScriptedClipboardService clipboard;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            kvor::CustomEMF(*plot.Graph, 1920, 1440, dir.filePath("x.emf"), 3, clipboard));
    }
    state.counters["emf_bytes"] =
        static_cast<double>(kvor::RenderMetafile(*plot.Graph, 1920, 1440, 3).size());
}
BENCHMARK(BM_ExportEmfLines)->Unit(benchmark::kMillisecond);

} // namespace
