// Redrawing the variance-function plot's screen picture: two curves on logarithmic axes, with
// minor ticks, power-notation labels and curve labels.

#include "engine/ImportedData.h"
#include "graphs/VFButtonChecks.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/KVORVarianceFunctionsForm.h"
#include "platform/ScriptedMessageService.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Plot {
    Plot() : Output(Messages, QString()) {
        kvor::StudyDesign design;
        design.Regression = kvor::RegressionType::Deming;
        design.XMin = 1;
        design.XMax = 500;
        design.YVariance = {3, 0, 0.5, 0.05, 0, 2};
        design.XVariance = {2, 0, 0.1, 0.02, 0, 1.8};
        Set = kvor::CheckVFButton(design, kvor::StudyTab::Accuracy, {}, Output.DesignOptions, '.')
                  .Set;
        Dialog = std::make_unique<kvor::TKVORVarianceFunctions>(Output, Set, '.', nullptr);
        // The dialog on a 1920 x 1080 screen.
        Dialog->resize(1920 * 900 / 1024, 1080 * 700 / 768);
        Dialog->show();
        QApplication::processEvents();
    }
    kvor::ScriptedMessageService Messages;
    kvor::GraphOutputContext Output;
    kvor::VFCurveSet Set;
    std::unique_ptr<kvor::TKVORVarianceFunctions> Dialog;
};

// What every change of a display option costs: the picture drawn, shown and the label controls
// placed.
void BM_DisplayVF(benchmark::State& state) {
    Plot plot;
    for (auto _ : state) {
        plot.Dialog->DisplayVF();
    }
    state.counters["picture_width"] = plot.Dialog->Picture().width();
    state.counters["picture_height"] = plot.Dialog->Picture().height();
}
BENCHMARK(BM_DisplayVF)->Unit(benchmark::kMillisecond);

// The picture alone at a fixed size, independent of the offscreen screen.
void BM_ScreenPictureVF(benchmark::State& state) {
    Plot plot;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::RenderScreenPicture(plot.Dialog->Graph(), 1300, 900));
    }
}
BENCHMARK(BM_ScreenPictureVF)->Unit(benchmark::kMillisecond);

} // namespace
