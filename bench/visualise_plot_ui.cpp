// Redrawing the screen picture of the confidence plot with 1000 sets: intervals as rectangles,
// regions as outlines of 404 points.

#include "graphs/GraphOptions.h"
#include "graphs/ui/GraphExport.h"
#include "visualise/VisAxes.h"
#include "visualise/VisRun.h"
#include "visualise/ui/VisPlotGraph.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <random>

namespace {

constexpr int Sets = 1000;

// Tilted elliptic regions around scattered fits, with the rectangles of their intervals.
std::unique_ptr<kvor::VisRun> ThousandSets() {
    auto run = std::make_unique<kvor::VisRun>();
    kvor::StartVisRun(*run, Sets, 30, true, true);
    std::mt19937 generator(2024);
    std::normal_distribution<double> slope(1.05, 0.01);
    std::normal_distribution<double> intercept(0.0, 0.6);
    std::uniform_real_distribution<double> size(0.8, 1.2);
    for (int k = 0; k < Sets; ++k) {
        kvor::VisSetFit fit;
        fit.Slope = slope(generator);
        fit.Intercept = intercept(generator);
        const double a = 0.025 * size(generator); // slope half-width
        const double b = 1.8 * size(generator);   // intercept half-height
        fit.SlopeLow = fit.Slope - a;
        fit.SlopeHigh = fit.Slope + a;
        fit.InterceptLow = fit.Intercept - b;
        fit.InterceptHigh = fit.Intercept + b;
        fit.Bias = static_cast<kvor::BiasType>(k % 4);
        fit.RegionDetected = k % 3 == 0;
        for (int j = 0; j < kvor::OutlinePoints; ++j) {
            const auto i = static_cast<std::size_t>(j);
            const double t = std::numbers::pi * j / (kvor::OutlinePoints - 1);
            const double s = -std::cos(t); // -1 .. 1
            fit.Outline.Slope[i] = fit.Slope + a * s;
            const double half = b * 0.6 * std::sin(t);
            const double tilt = -40 * a * s; // intercept falls as the slope rises
            fit.Outline.Lower[i] = fit.Intercept + tilt - half;
            fit.Outline.Upper[i] = fit.Intercept + tilt + half;
        }
        fit.RegionInterceptMin = fit.InterceptLow - 40 * a;
        fit.RegionInterceptMax = fit.InterceptHigh + 40 * a;
        kvor::StoreVisSet(*run, fit);
    }
    run->Counts = kvor::CountVisRun(*run);
    kvor::ScaleVisAxes(*run, 1.0, 0.0);
    return run;
}

struct Plot {
    explicit Plot(kvor::PlotMode mode, bool dataOnTop = true) {
        Graph = std::make_unique<kvor::TVisPlotGraph>(*Run, Options, [] {
            return kvor::PowerEntries{1.0, 0.0, 1.05, 0.0, false};
        });
        Graph->Plot = mode;
        Graph->DataOnTop = dataOnTop;
        Graph->Title1 = " OLS Regression:  1000 simulated sets of N = 30";
    }
    std::unique_ptr<kvor::VisRun> Run = ThousandSets();
    kvor::GraphOptions Options = kvor::VisualisationGraphOptions();
    std::unique_ptr<kvor::TVisPlotGraph> Graph;
};

// The picture control of the dialog on a 1920 x 1080 screen is about 1250 x 780.
constexpr int PictureW = 1250;
constexpr int PictureH = 780;

void BM_ScreenPictureRegions(benchmark::State& state) {
    Plot plot(kvor::PlotMode::Regions);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::RenderScreenPicture(*plot.Graph, PictureW, PictureH));
    }
}
BENCHMARK(BM_ScreenPictureRegions)->Unit(benchmark::kMillisecond);

void BM_ScreenPictureRegionsThin(benchmark::State& state) {
    Plot plot(kvor::PlotMode::Regions, false);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::RenderScreenPicture(*plot.Graph, PictureW, PictureH));
    }
}
BENCHMARK(BM_ScreenPictureRegionsThin)->Unit(benchmark::kMillisecond);

void BM_ScreenPictureRegionsPartitioned(benchmark::State& state) {
    Plot plot(kvor::PlotMode::PartRegions);
    plot.Graph->Partitioned = true;
    plot.Graph->Selection = {0, 1};
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::RenderScreenPicture(*plot.Graph, PictureW, PictureH));
    }
}
BENCHMARK(BM_ScreenPictureRegionsPartitioned)->Unit(benchmark::kMillisecond);

void BM_ScreenPictureIntervals(benchmark::State& state) {
    Plot plot(kvor::PlotMode::Intervals);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::RenderScreenPicture(*plot.Graph, PictureW, PictureH));
    }
}
BENCHMARK(BM_ScreenPictureIntervals)->Unit(benchmark::kMillisecond);

void BM_ExportBitmapRegions(benchmark::State& state) {
    Plot plot(kvor::PlotMode::Regions);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::RenderBitmap(*plot.Graph, 1920, 1440, 3));
    }
}
BENCHMARK(BM_ExportBitmapRegions)->Unit(benchmark::kMillisecond);

} // namespace
