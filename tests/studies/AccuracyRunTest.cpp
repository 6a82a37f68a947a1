#include "studies/AccuracyRun.h"

#include "engine/DataSet.h"
#include "engine/ImportedData.h"
#include "engine/RegressionOutcome.h"
#include "engine/RunResults.h"
#include "engine/StudyDesign.h"
#include "studies/FailedSetExport.h"

#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace {

using kvor::AccuracyRunControl;
using kvor::RunEnd;

kvor::StudyDesign FixedSeedDesign(kvor::RegressionType regression) {
    kvor::StudyDesign design;
    design.Regression = regression;
    design.FixedSeed = true;
    if (regression != kvor::RegressionType::OLS) {
        design.YVariance = {2, 0, 0.01, 0.01, 0, 2}; // (0.01 + 0.01 y)^2: CV of about 1%
        design.XVariance = {2, 0, 0.01, 0.01, 0, 2};
    }
    return design;
}

struct FitLog {
    std::vector<double> Slopes;
    std::vector<bool> Valid;
    std::vector<std::array<bool, 6>> Flags;
};

AccuracyRunControl Logging(FitLog& log) {
    AccuracyRunControl control;
    control.SetFitted = [&log](int, const kvor::DataSet&, const kvor::RegressionOutcome& fit) {
        log.Slopes.push_back(fit.Slope);
        log.Valid.push_back(fit.Valid);
        log.Flags.push_back({fit.In95SlopeCI, fit.In99SlopeCI, fit.In95InterceptCI,
                             fit.In99InterceptCI, fit.In95CR, fit.In99CR});
    };
    return control;
}

} // namespace

TEST(ACalculations, FixedSeedGivesTheSamePanelsEveryRun) {
    for (const auto regression :
         {kvor::RegressionType::OLS, kvor::RegressionType::WLS, kvor::RegressionType::Deming}) {
        const kvor::StudyDesign design = FixedSeedDesign(regression);
        auto first = std::make_unique<kvor::RunResults>();
        auto second = std::make_unique<kvor::RunResults>();
        const auto a = kvor::ACalculations(design, nullptr, *first, {});
        const auto b = kvor::ACalculations(design, nullptr, *second, {});
        ASSERT_EQ(a.End, RunEnd::Completed);
        ASSERT_EQ(b.End, RunEnd::Completed);
        EXPECT_EQ(a.Seed, 100000u);
        EXPECT_EQ(a.Results->Panels.Named(), b.Results->Panels.Named());
        EXPECT_EQ(first->Count, 1000);
        EXPECT_EQ(first->Slopes, second->Slopes);
    }
}

// The run's statistics against sums formed here from every fit it reported.
TEST(ACalculations, SummarisesEveryFitAndCountsOnlyValidOnesForEnclosure) {
    const kvor::StudyDesign design = FixedSeedDesign(kvor::RegressionType::Deming);
    FitLog log;
    auto results = std::make_unique<kvor::RunResults>();
    const auto outcome = kvor::ACalculations(design, nullptr, *results, Logging(log));
    ASSERT_EQ(outcome.End, RunEnd::Completed);
    ASSERT_EQ(log.Slopes.size(), 1000u);

    long double sum = 0;
    int valid = 0;
    std::array<int, 6> enclosed{};
    for (std::size_t i = 0; i < log.Slopes.size(); ++i) {
        sum += log.Slopes[i];
        if (log.Valid[i]) {
            ++valid;
            for (int f = 0; f < 6; ++f) {
                enclosed[f] += log.Flags[i][f] ? 1 : 0;
            }
        }
    }
    const auto& r = *outcome.Results;
    EXPECT_NEAR(r.Slope.Mean, static_cast<double>(sum / 1000), 1e-12);
    EXPECT_EQ(r.ValidCount, valid);
    EXPECT_EQ(r.Enclosed, enclosed);
    // A sound Deming fit with known variances covers close to its nominal level.
    EXPECT_NEAR(100.0 * enclosed[kvor::Slope95] / valid, 95, 2.5);
    EXPECT_NEAR(100.0 * enclosed[kvor::Region99] / valid, 99, 1.5);
    EXPECT_NEAR(r.Slope.Mean, design.TrueSlope, 5 * r.Slope.SD / std::sqrt(1000.0));

    EXPECT_EQ(results->Count, 1000);
    EXPECT_NEAR(results->MeanSlope, r.Slope.Mean, 1e-12);
    EXPECT_LE(results->SlopeMin, results->SlopeMax);
    EXPECT_LT(results->AllXMin, results->AllXMax);
    EXPECT_TRUE(results->NearIdentity);
    // X from 10 to 100: the span ratio exceeds 6, so both axes start at zero.
    EXPECT_EQ(results->PlotXMin, -1);
    EXPECT_EQ(results->PlotYMin, -1);
    EXPECT_TRUE(r.LinesZeroOrigin);
    EXPECT_EQ(results->PlotXMax, results->PlotYMax);
}

TEST(ACalculations, PerfectDataLeaveZAndPEmpty) {
    // Every set is the same exact line, so the slopes have no spread.
    kvor::StudyDesign design;
    design.DataSource = kvor::DataSource::Import;
    design.N = 3;
    design.ImportSampling = kvor::ImportSampling::Sequential;
    auto pool = std::make_unique<kvor::ImportedData>();
    pool->Count = 3000;
    for (int i = 0; i < pool->Count; ++i) {
        pool->X[i] = 10 + i % 3;
        pool->Y[i] = 2 * pool->X[i] + 1;
    }
    auto results = std::make_unique<kvor::RunResults>();
    const auto outcome = kvor::ACalculations(design, pool.get(), *results, {});
    ASSERT_EQ(outcome.End, RunEnd::Completed);
    const auto& p = outcome.Results->Panels;
    EXPECT_EQ(p[kvor::AccuracyPanel::SlopeMean], " 2");
    EXPECT_EQ(p[kvor::AccuracyPanel::SlopeSD], " 0");
    EXPECT_EQ(p[kvor::AccuracyPanel::SlopeZ], "");
    EXPECT_EQ(p[kvor::AccuracyPanel::SlopeP], "");
    EXPECT_EQ(p[kvor::AccuracyPanel::InterceptZ], "");
    EXPECT_EQ(p[kvor::AccuracyPanel::Slope95], " 0%"); // the true slope is 1, not 2
}

TEST(ACalculations, AbortLeavesNoResultsButKeepsTheCompletedSets) {
    const kvor::StudyDesign design = FixedSeedDesign(kvor::RegressionType::OLS);
    std::atomic<bool> running{true};
    AccuracyRunControl control;
    control.AbortFlag = &running;
    control.Progress = [&running](int set) {
        if (set == 5) {
            running = false;
        }
    };
    auto results = std::make_unique<kvor::RunResults>();
    const auto outcome = kvor::ACalculations(design, nullptr, *results, control);
    EXPECT_EQ(outcome.End, RunEnd::Aborted);
    EXPECT_FALSE(outcome.Results.has_value());
    EXPECT_FALSE(outcome.Failure.has_value());
    EXPECT_EQ(results->Count, 4);

    std::atomic<bool> never{false};
    control.AbortFlag = &never;
    control.Progress = nullptr;
    const auto before = kvor::ACalculations(design, nullptr, *results, control);
    EXPECT_EQ(before.End, RunEnd::Aborted);
    EXPECT_EQ(results->Count, 4); // aborted before the reset
}

TEST(ACalculations, FailedSetReportsItsNumberAndPairsAndExportsThem) {
    kvor::StudyDesign design;
    design.DataSource = kvor::DataSource::Import;
    design.ImportSampling = kvor::ImportSampling::Sequential;
    design.N = 3;
    auto pool = std::make_unique<kvor::ImportedData>();
    pool->Count = 3000;
    for (int i = 0; i < pool->Count; ++i) {
        pool->X[i] = 10 + i % 3 + 0.5 * (i % 7);
        pool->Y[i] = pool->X[i] + 0.1 * (i % 5);
    }
    // Set 17 holds pairs 49..51: give them one X-value.
    const double xs[3] = {0.00001, 0.00001, 0.00001};
    const double ys[3] = {1.5e20, -2.25, 1234567.125};
    for (int k = 0; k < 3; ++k) {
        pool->X[48 + k] = xs[k];
        pool->Y[48 + k] = ys[k];
    }
    auto results = std::make_unique<kvor::RunResults>();
    const auto outcome = kvor::ACalculations(design, pool.get(), *results, {});
    ASSERT_EQ(outcome.End, RunEnd::Failed);
    ASSERT_TRUE(outcome.Failure.has_value());
    const kvor::FailedSet& failed = *outcome.Failure;
    EXPECT_EQ(failed.SetNumber, 17);
    EXPECT_EQ(failed.FailCode, 1);
    EXPECT_EQ(failed.Message,
              "Calculations for data set #17 failed because the range of X-values was either "
              "zero or very small.  Such data are unsuitable for regression analysis.\r\rThe "
              "program will export the X, Y pairs for set #17 to text file KVORError.Txt in the "
              "program home directory if you wish.  Export data?");
    EXPECT_EQ(results->Count, 16);

    const auto file = std::filesystem::temp_directory_path() /
                      ("kvor-export-" + std::to_string(::getpid()) + ".txt");
    ASSERT_TRUE(kvor::ExportFailedSet(file, failed, ',').Ok);
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::filesystem::remove(file);
    EXPECT_EQ(bytes.str(), "1E-5\t1,5E20\r\n1E-5\t-2,25\r\n1E-5\t1234567,125\r\n");
}
