#include "studies/PowerRun.h"

#include "engine/ImportedData.h"
#include "engine/RandomGenerator.h"
#include "engine/TargetDesign.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/non_central_f.hpp>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <memory>

namespace kvor {
namespace {

StudyDesign SpecifiedDesign(int n, int sets) {
    StudyDesign d;
    d.EstimationMode = EstimationMode::SpecifiedN;
    d.N = n;
    d.SetsPerRun = sets;
    d.FixedSeed = true;
    d.ActualSlope = 1.005;
    return d;
}

struct Recorder {
    std::vector<std::pair<Criterion, int>> Refreshes;
    PowerRunControl Control(const std::atomic<bool>& flag) {
        PowerRunControl c;
        c.AbortFlag = &flag;
        c.Refresh = [this](Criterion crit, int n) { Refreshes.emplace_back(crit, n); };
        return c;
    }
};

PowerRunControl Plain(const std::atomic<bool>& flag) {
    PowerRunControl c;
    c.AbortFlag = &flag;
    return c;
}

// Probability that the joint region of an OLS fit misses the Ideal point when the data follow
// the Actual line: the region statistic is noncentral F(2, N - 2) with noncentrality
// d' X'X d / sigma^2, d the difference of the two lines.
double RegionDetection(const StudyDesign& d) {
    RandomGenerator generator;
    StudyDesign seeded = d;
    SeedGenerator(generator, seeded);
    auto target = std::make_unique<TargetDesign>();
    BuildTargetDesign(d, d.ActualSlope, d.ActualIntercept, generator, *target);
    long double sx = 0, sxx = 0;
    for (int i = 0; i < d.N; ++i) {
        sx += target->XTarget[i];
        sxx += static_cast<long double>(target->XTarget[i]) * target->XTarget[i];
    }
    const long double da = d.ActualIntercept - d.TrueIntercept;
    const long double db = d.ActualSlope - d.TrueSlope;
    const double lambda = static_cast<double>((da * da * d.N + 2 * da * db * sx + db * db * sxx) /
                                              d.ConstantVariance);
    const double f95 =
        boost::math::quantile(boost::math::complement(boost::math::fisher_f(2, d.N - 2), 0.05));
    const boost::math::non_central_f noncentral(2, d.N - 2, lambda);
    return boost::math::cdf(boost::math::complement(noncentral, f95));
}

TEST(PCalculations, SpecifiedRegionDetectionMatchesTheNoncentralF) {
    const StudyDesign d = SpecifiedDesign(50, 10000);
    const std::atomic<bool> flag{true};
    Recorder recorder;
    PowerResults results;
    const PowerRunOutcome out = PCalculations(d, nullptr, results, recorder.Control(flag));
    ASSERT_TRUE(out.Completed);
    ASSERT_EQ(results.Region.Manual.Rows().size(), 1u);
    const NEvaluation& row = results.Region.Manual.Rows()[0];
    EXPECT_EQ(row.Sets, 10000);
    const double expected = RegionDetection(d);
    const double se = std::sqrt(expected * (1 - expected) / 10000);
    EXPECT_GT(expected, 0.2); // a design where the rate is informative
    EXPECT_LT(expected, 0.8);
    EXPECT_NEAR(*row.Detection / 100, expected, 4 * se);
}

TEST(PCalculations, NoBiasDetectsAtTheSignificanceLevel) {
    StudyDesign d = SpecifiedDesign(30, 10000);
    d.ActualSlope = d.TrueSlope;
    for (const double significance : {0.05, 0.01}) {
        d.Significance = significance;
        const std::atomic<bool> flag{true};
        PowerResults results;
        ASSERT_TRUE(PCalculations(d, nullptr, results, Plain(flag)).Completed);
        const double region = *results.Region.Manual.Rows()[0].Detection / 100;
        const double intervals = *results.Intervals.Manual.Rows()[0].Detection / 100;
        const double se = std::sqrt(significance / 10000);
        EXPECT_NEAR(region, significance, 4 * se) << significance;
        // Either of two tests at the level: between the level and twice it.
        EXPECT_GT(intervals, significance - 4 * se);
        EXPECT_LT(intervals, 2 * significance + 4 * se);
    }
}

TEST(PCalculations, FixedSeedRepeatsAndAddsASecondRow) {
    const StudyDesign d = SpecifiedDesign(40, 1000);
    const std::atomic<bool> flag{true};
    Recorder recorder;
    PowerResults results;
    ASSERT_TRUE(PCalculations(d, nullptr, results, recorder.Control(flag)).Completed);
    ASSERT_TRUE(PCalculations(d, nullptr, results, recorder.Control(flag)).Completed);
    for (const DetectionSide* side : {&results.Intervals, &results.Region}) {
        const auto& rows = side->Manual.Rows();
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].N, 40);
        EXPECT_EQ(rows[1].N, 40);
        EXPECT_EQ(*rows[0].Detection, *rows[1].Detection);
        EXPECT_EQ(rows[1].Sets, 1000);
        EXPECT_EQ(side->Totals.Count, 2000);
        EXPECT_EQ(side->TableLines.size(), 2u);
        EXPECT_EQ(side->TableLines[0], side->TableLines[1]);
        EXPECT_EQ(side->AnswerStore, AnswerNotShown);
    }
    // Each pass refreshes with the row in progress and again with it complete.
    const std::vector<std::pair<Criterion, int>> once = {{Criterion::ConfidenceIntervals, 40},
                                                         {Criterion::ConfidenceIntervals, 40},
                                                         {Criterion::ConfidenceRegion, 40},
                                                         {Criterion::ConfidenceRegion, 40}};
    EXPECT_EQ(recorder.Refreshes.size(), 8u);
    EXPECT_TRUE(std::equal(once.begin(), once.end(), recorder.Refreshes.begin()));
}

TEST(PCalculations, BothPassesOfASpecifiedRunSeeTheSameDataSets) {
    StudyDesign d = SpecifiedDesign(25, 1000);
    d.FixedSeed = false;
    for (const RegressionType regression :
         {RegressionType::OLS, RegressionType::WLS, RegressionType::Deming}) {
        d.Regression = regression;
        d.YVariance = {2, 0, 0, 0.01, 0, 2}; // SD proportional to the level
        d.XVariance = d.YVariance;
        int clockReads = 0;
        const std::atomic<bool> flag{true};
        PowerRunControl control = Plain(flag);
        control.DayFraction = [&clockReads] { return 0.1 + 0.123 * ++clockReads; };
        PowerResults results;
        ASSERT_TRUE(PCalculations(d, nullptr, results, control).Completed);
        EXPECT_EQ(clockReads, 1);
        EXPECT_EQ(results.Intervals.Totals.Count, results.Region.Totals.Count);
        EXPECT_EQ(results.Intervals.Totals.SlopeSum, results.Region.Totals.SlopeSum);
        EXPECT_EQ(results.Intervals.Totals.InterceptSum, results.Region.Totals.InterceptSum);
        EXPECT_EQ(results.Region.Manual.Rows()[0].Sets, 1000);
    }
}

TEST(PCalculations, AutomaticSearchMarksTheSmallestSufficientN) {
    StudyDesign d;
    d.ActualSlope = 1.01;
    d.DetectionRate = 90;
    const std::atomic<bool> flag{true};
    Recorder recorder;
    PowerRunControl control = recorder.Control(flag);
    control.SeedOverride = 4321;
    PowerResults results;
    const PowerRunOutcome out = PCalculations(d, nullptr, results, control);
    ASSERT_TRUE(out.Completed);
    for (const Criterion c : {Criterion::ConfidenceIntervals, Criterion::ConfidenceRegion}) {
        const DetectionSide& side = results.Side(c);
        const auto& rows = side.Automatic.Rows();
        ASSERT_FALSE(rows.empty());
        ASSERT_GT(side.AnswerStore, 2);
        ASSERT_LE(side.AnswerStore, 5000);
        long long sets = 0;
        for (const NEvaluation& row : rows) {
            sets += row.Sets;
            if (row.N < side.AnswerStore) {
                EXPECT_LT(GuardedDetection(*row.Detection, 90), 90) << row.N;
            } else if (row.N == side.AnswerStore) {
                EXPECT_GE(*row.Detection, 90);
            }
        }
        EXPECT_EQ(sets, side.Totals.Count);
        EXPECT_TRUE(IsAnswerLine(side.TableLines[side.FocusRow]));
        EXPECT_EQ(recorder.Refreshes.back().second, -1);
    }
    // The region's power at the answer is about 90 %: between 80 % and 97 % on the theory.
    StudyDesign at = d;
    at.FixedSeed = false;
    at.N = results.Region.AnswerStore;
    EXPECT_GT(RegionDetection(at), 0.8);
    EXPECT_LT(RegionDetection(at), 0.97);
}

TEST(PCalculations, AbortStopsAtOnce) {
    std::atomic<bool> flag{true};
    Recorder recorder;
    PowerRunControl control = recorder.Control(flag);
    int progressCalls = 0;
    control.Progress = [&](int) {
        if (++progressCalls == 150) {
            flag = false;
        }
    };
    PowerResults results;
    const PowerRunOutcome out = PCalculations(StudyDesign{}, nullptr, results, control);
    EXPECT_FALSE(out.Completed);
    EXPECT_FALSE(out.Failure);
    EXPECT_EQ(progressCalls, 150);
    EXPECT_EQ(results.Intervals.Totals.Count, 150);
    EXPECT_EQ(out.SetsFitted, 150);
    results.Clear();
    EXPECT_TRUE(results.Intervals.Automatic.Empty() && results.Region.Automatic.Empty());
    EXPECT_EQ(results.Intervals.Totals.Count, 0);

    const std::atomic<bool> cleared{false};
    PowerResults untouched;
    const PowerRunOutcome none = PCalculations(StudyDesign{}, nullptr, untouched, Plain(cleared));
    EXPECT_FALSE(none.Completed);
    EXPECT_EQ(none.SetsFitted, 0);
}

TEST(PCalculations, FailedFitReportsTheSetAndItsPairs) {
    StudyDesign d = SpecifiedDesign(12, 1000);
    d.DataSource = DataSource::Import;
    auto pool = std::make_unique<ImportedData>();
    pool->Count = 100000;
    for (int i = 0; i < pool->Count; ++i) {
        pool->X[i] = 5;
        pool->Y[i] = 5 + 0.001 * (i % 7);
    }
    const std::atomic<bool> flag{true};
    PowerResults results;
    const PowerRunOutcome out = PCalculations(d, pool.get(), results, Plain(flag));
    EXPECT_FALSE(out.Completed);
    ASSERT_TRUE(out.Failure);
    EXPECT_EQ(out.Failure->SetNumber, 1);
    EXPECT_EQ(out.Failure->FailCode, 1);
    EXPECT_EQ(out.Failure->Message,
              "Calculations for data set #1 failed because the range of X-values was either zero "
              "or very small.  Such data are unsuitable for regression analysis.\r\rThe program "
              "will export the X, Y pairs for set #1 to text file KVORError.Txt in the program "
              "home directory if you wish.  Export data?");
    ASSERT_EQ(out.Failure->X.size(), 12u);
    ASSERT_EQ(out.Failure->Y.size(), 12u);
    EXPECT_EQ(out.Failure->X[0], 5.0);
    EXPECT_GE(out.Failure->Y[11], 5.0);
}

TEST(PCalculations, ImportedPairsAreDrawnFromThePool) {
    StudyDesign d = SpecifiedDesign(50, 1000);
    d.DataSource = DataSource::Import;
    auto pool = std::make_unique<ImportedData>();
    pool->Count = 100000;
    RandomGenerator noise(99);
    for (int i = 0; i < pool->Count; ++i) {
        pool->X[i] = 10 + 90.0 * i / pool->Count;
        pool->Y[i] = noise.NormalDeviate(1.1 * pool->X[i] + 2, 1);
    }
    const std::atomic<bool> flag{true};
    PowerResults results;
    ASSERT_TRUE(PCalculations(d, pool.get(), results, Plain(flag)).Completed);
    const CriterionTotals& t = results.Region.Totals;
    EXPECT_NEAR(t.SlopeSum / t.Count, 1.1, 0.002);
    EXPECT_NEAR(t.InterceptSum / t.Count, 2, 0.15);
    // Far from the Ideal line: every set detects it.
    EXPECT_EQ(*results.Region.Manual.Rows()[0].Detection, 100.0);
}

} // namespace
} // namespace kvor
