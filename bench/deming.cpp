#include "BenchDesigns.h"
#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/DemingRegression.h"
#include "engine/DemingScratch.h"
#include "engine/StudyDesign.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr double Cv = 0.05; // both methods: SD 5% of the level
constexpr int SetsPerSize = 16;

kvor::StudyDesign Design(int n) {
    kvor::StudyDesign d;
    d.Regression = kvor::RegressionType::Deming;
    d.N = n;
    d.XVariance = kvor::bench::ProportionalSD(Cv);
    d.YVariance = kvor::bench::ProportionalSD(Cv);
    return d;
}

// Pairs around Y = X with X uniform on [10, 100] and proportional errors in both.
std::vector<std::unique_ptr<kvor::DataSet>> MakeSets(int n) {
    std::mt19937 rng(12345u + static_cast<unsigned>(n));
    std::uniform_real_distribution<double> level(10.0, 100.0);
    std::normal_distribution<double> z(0.0, 1.0);
    std::vector<std::unique_ptr<kvor::DataSet>> sets;
    for (int k = 0; k < SetsPerSize; ++k) {
        auto set = std::make_unique<kvor::DataSet>();
        set->N = n;
        set->SetXMin = 1e12;
        set->SetXMax = 0;
        set->SetYMin = 1e15;
        set->SetYMax = 0;
        for (int i = 0; i < n; ++i) {
            const double t = level(rng);
            set->X[i] = t + Cv * t * z(rng);
            set->Y[i] = t + Cv * t * z(rng);
            set->SetXMin = std::min(set->SetXMin, set->X[i]);
            set->SetXMax = std::max(set->SetXMax, set->X[i]);
            set->SetYMin = std::min(set->SetYMin, set->Y[i]);
            set->SetYMax = std::max(set->SetYMax, set->Y[i]);
        }
        sets.push_back(std::move(set));
    }
    return sets;
}

void BM_DoDemingRegression(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const auto sets = MakeSets(n);
    const kvor::StudyDesign design = Design(n);
    // The F quantiles only enter the region test; fixed values keep the benchmark self-contained.
    const kvor::CriticalValues crit{1.96, 2.576, 3.0, 4.6};
    auto scratch = std::make_unique<kvor::DemingScratch>();
    std::size_t k = 0;
    int failures = 0;
    long passes = 0;
    long evaluations = 0;
    long profileEvaluations = 0;
    for (auto _ : state) {
        const kvor::RegressionOutcome r =
            kvor::DoDemingRegression(design, crit, *sets[k % SetsPerSize], *scratch);
        failures += r.FailCode != 0;
        passes += scratch->Passes;
        evaluations += scratch->Evaluations;
        profileEvaluations += scratch->ProfileEvaluations;
        benchmark::DoNotOptimize(r);
        ++k;
    }
    state.counters["failures"] = failures;
    state.counters["passes_per_fit"] =
        static_cast<double>(passes) / static_cast<double>(state.iterations());
    state.counters["evaluations_per_fit"] =
        static_cast<double>(evaluations) / static_cast<double>(state.iterations());
    state.counters["profile_share"] =
        static_cast<double>(profileEvaluations) / static_cast<double>(std::max(evaluations, 1L));
    state.counters["ns_per_pair"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * n,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_DoDemingRegression)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(5000)
    ->Unit(benchmark::kMicrosecond);
