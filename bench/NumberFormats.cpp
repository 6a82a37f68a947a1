#include "studies/NumberFormats.h"
#include "studies/DesignCheck.h"

#include "engine/ImportedData.h"
#include "engine/StudyDesign.h"

#include <benchmark/benchmark.h>

namespace {

// Writing a failed set of 5000 pairs formats 10000 numbers with 15 digits.
void BM_FormatGeneralExportSet(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t length = 0;
        for (int i = 1; i <= 10000; ++i) {
            length += kvor::FormatGeneral(i * 0.0123456789012345, 15, 0, '.').size();
        }
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_FormatGeneralExportSet)->Unit(benchmark::kMillisecond);

// A Deming design with form-4 functions walks every check, turning points included.
void BM_CheckDesignDemingForm4(benchmark::State& state) {
    const kvor::PoolExtremes pool;
    kvor::StudyDesign design;
    design.Regression = kvor::RegressionType::Deming;
    design.YVariance = kvor::VarianceFunction{4, 0, 1, 0.01, 0.001, 2.5};
    design.XVariance = kvor::VarianceFunction{4, 0, 1, 0.01, 0.001, 2.5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvor::CheckDesign(design, kvor::StudyTab::Accuracy, pool));
    }
}
BENCHMARK(BM_CheckDesignDemingForm4)->Unit(benchmark::kMicrosecond);

} // namespace
