#include "engine/DataSetDrawing.h"
#include "engine/DataSet.h"
#include "engine/ImportedData.h"
#include "engine/RandomGenerator.h"
#include "engine/RunWorkspace.h"
#include "engine/StudyDesign.h"
#include "engine/TargetDesign.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using kvor::RegressionType;

namespace {

kvor::StudyDesign FixedSeedDesign(RegressionType regression) {
    kvor::StudyDesign design;
    design.FixedSeed = true;
    design.N = 100;
    design.SetsPerRun = 1000;
    design.Regression = regression;
    design.ConstantVariance = 4;
    design.YVariance = {2, 0, 0.5, 0.02, 0, 2};
    design.XVariance = {2, 0, 0.5, 0.02, 0, 2};
    return design;
}

void StartRun(kvor::RunWorkspace& ws, const kvor::StudyDesign& design) {
    ws.Design = design;
    kvor::SeedGenerator(ws.Generator, design, [] { return 0.25; });
    kvor::BuildTargetDesign(design, design.TrueSlope, design.TrueIntercept, ws.Generator,
                            ws.TargetDesign);
}

} // namespace

TEST(DrawDataSet, FixedSeedRunsGiveIdenticalSetsSideBySide) {
    for (RegressionType regression :
         {RegressionType::OLS, RegressionType::WLS, RegressionType::Deming}) {
        const kvor::StudyDesign design = FixedSeedDesign(regression);
        auto a = std::make_unique<kvor::RunWorkspace>();
        auto b = std::make_unique<kvor::RunWorkspace>();
        StartRun(*a, design);
        EXPECT_NE(a->Generator.Seed(), 100000u); // the targets have been drawn
        StartRun(*b, design);
        for (int set = 1; set <= 1000; ++set) {
            ASSERT_TRUE(
                kvor::DrawDataSet(design, a->TargetDesign, nullptr, set, a->Generator, a->DataSet));
            ASSERT_TRUE(
                kvor::DrawDataSet(design, b->TargetDesign, nullptr, set, b->Generator, b->DataSet));
            ASSERT_EQ(a->DataSet.X, b->DataSet.X) << set;
            ASSERT_EQ(a->DataSet.Y, b->DataSet.Y) << set;
            ASSERT_EQ(a->DataSet.SetXMin, b->DataSet.SetXMin);
            ASSERT_EQ(a->DataSet.SetXMax, b->DataSet.SetXMax);
        }
    }
}

TEST(SeedGenerator, FirstSeedOfTheDefaultFixedRunIs100000) {
    kvor::RunWorkspace ws;
    kvor::SeedGenerator(ws.Generator, FixedSeedDesign(RegressionType::OLS));
    EXPECT_EQ(ws.Generator.Seed(), 100000u);
}

TEST(DrawDataSet, GeneratedSetsDrawInTheBindingOrder) {
    for (RegressionType regression :
         {RegressionType::OLS, RegressionType::WLS, RegressionType::Deming}) {
        const kvor::StudyDesign design = FixedSeedDesign(regression);
        kvor::RunWorkspace ws;
        StartRun(ws, design);
        kvor::RandomGenerator replay(ws.Generator.Seed());
        ASSERT_TRUE(
            kvor::DrawDataSet(design, ws.TargetDesign, nullptr, 1, ws.Generator, ws.DataSet));
        const kvor::TargetDesign& t = ws.TargetDesign;
        for (int i = 0; i < design.N; ++i) {
            if (regression == RegressionType::Deming) {
                ASSERT_EQ(ws.DataSet.X[i], replay.NormalDeviate(t.XTarget[i], t.XSD[i])) << i;
            } else {
                ASSERT_EQ(ws.DataSet.X[i], t.XTarget[i]) << i;
            }
            const double sd = regression == RegressionType::OLS ? 2.0 : t.YSD[i];
            ASSERT_EQ(ws.DataSet.Y[i], replay.NormalDeviate(t.YTarget[i], sd)) << i;
        }
        EXPECT_EQ(ws.Generator.Seed(), replay.Seed());
        if (regression == RegressionType::Deming) {
            double lo = 1e300;
            double hi = -1e300;
            for (int i = 0; i < design.N; ++i) {
                lo = std::min(lo, ws.DataSet.X[i]);
                hi = std::max(hi, ws.DataSet.X[i]);
            }
            EXPECT_EQ(ws.DataSet.SetXMin, lo);
            EXPECT_EQ(ws.DataSet.SetXMax, hi);
        } else {
            EXPECT_EQ(ws.DataSet.SetXMin, design.XMin);
            EXPECT_EQ(ws.DataSet.SetXMax, design.XMax);
        }
    }
}

TEST(DrawDataSet, AllNegativeDemingXReportsSetXMaxZero) {
    kvor::StudyDesign design = FixedSeedDesign(RegressionType::Deming);
    design.TrueIntercept = -1000;
    design.XMin = -200;
    design.XMax = -100;
    kvor::RunWorkspace ws;
    StartRun(ws, design);
    ASSERT_TRUE(kvor::DrawDataSet(design, ws.TargetDesign, nullptr, 1, ws.Generator, ws.DataSet));
    EXPECT_EQ(ws.DataSet.SetXMax, 0.0);
    EXPECT_LT(ws.DataSet.SetXMin, -100.0);
    kvor::GetVMinMax(ws.DataSet);
    EXPECT_EQ(ws.DataSet.SetYMax, 0.0);
    EXPECT_LT(ws.DataSet.SetYMin, -1000.0);
}

class ImportedDraw : public ::testing::Test {
protected:
    void SetUp() override {
        design.DataSource = kvor::DataSource::Import;
        design.N = 10;
        pool = std::make_unique<kvor::ImportedData>();
        for (int i = 0; i < 35; ++i) {
            pool->X[i] = i + 1;
            pool->Y[i] = -(i + 1);
        }
        pool->Count = 35;
    }

    bool Draw(int set) {
        return kvor::DrawDataSet(design, target, pool.get(), set, generator, data);
    }

    kvor::StudyDesign design;
    std::unique_ptr<kvor::ImportedData> pool;
    kvor::TargetDesign target;
    kvor::RandomGenerator generator{99};
    kvor::DataSet data;
};

TEST_F(ImportedDraw, SequentialSetsTakeConsecutivePairsAndStopAtTheEnd) {
    design.ImportSampling = kvor::ImportSampling::Sequential;
    const std::uint32_t seed = generator.Seed();
    ASSERT_TRUE(Draw(3));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(data.X[i], 21 + i);
        EXPECT_EQ(data.Y[i], -(21 + i));
    }
    EXPECT_EQ(data.SetXMin, 21.0);
    EXPECT_EQ(data.SetXMax, 30.0);
    EXPECT_EQ(generator.Seed(), seed);
    EXPECT_FALSE(Draw(4)); // pairs 31..40 are not all there
    EXPECT_FALSE(Draw(0));
}

TEST_F(ImportedDraw, RandomSamplingGivesTheEndPairsHalfTheChance) {
    pool->Count = 3;
    design.N = 10000;
    ASSERT_TRUE(Draw(1));
    int hits[3] = {0, 0, 0};
    for (int i = 0; i < design.N; ++i) {
        ASSERT_EQ(data.Y[i], -data.X[i]);
        ++hits[static_cast<int>(data.X[i]) - 1];
    }
    // Expected 2500, 5000, 2500; binomial SDs about 43 and 50.
    EXPECT_NEAR(hits[0], 2500, 250);
    EXPECT_NEAR(hits[1], 5000, 250);
    EXPECT_NEAR(hits[2], 2500, 250);
}

TEST_F(ImportedDraw, SinglePairPoolAlwaysGivesPairOne) {
    pool->Count = 1;
    ASSERT_TRUE(Draw(1));
    for (int i = 0; i < design.N; ++i) {
        EXPECT_EQ(data.X[i], 1.0);
    }
    pool->Count = 0;
    EXPECT_FALSE(Draw(1));
    EXPECT_FALSE(kvor::DrawDataSet(design, target, nullptr, 1, generator, data));
}

TEST(GetVMinMax, StartsFromTheFixedExtremes) {
    kvor::DataSet data;
    data.N = 3;
    data.Y[0] = 5;
    data.Y[1] = 2;
    data.Y[2] = 9;
    kvor::GetVMinMax(data);
    EXPECT_EQ(data.SetYMin, 2.0);
    EXPECT_EQ(data.SetYMax, 9.0);
    data.Y[0] = 2e15; // above the starting minimum: never taken as the minimum
    data.Y[1] = 3e15;
    data.Y[2] = 4e15;
    kvor::GetVMinMax(data);
    EXPECT_EQ(data.SetYMin, 1e15);
    EXPECT_EQ(data.SetYMax, 4e15);
}

// Later sets start where the skip leaves the generator, so it must step exactly as a draw does.
TEST(SkipDataSet, StepsTheGeneratorAsADrawDoes) {
    auto pool = std::make_unique<kvor::ImportedData>();
    pool->Count = 500;
    for (int i = 0; i < pool->Count; ++i) {
        pool->X[i] = 10 + i;
        pool->Y[i] = 11 + i;
    }
    struct Case {
        RegressionType Regression;
        kvor::DataSource Source;
        kvor::ImportSampling Sampling;
        int TargetN; // the target design's N; a mismatch refuses the set
    };
    const Case cases[] = {
        {RegressionType::OLS, kvor::DataSource::Generate, kvor::ImportSampling::Random, 100},
        {RegressionType::WLS, kvor::DataSource::Generate, kvor::ImportSampling::Random, 100},
        {RegressionType::Deming, kvor::DataSource::Generate, kvor::ImportSampling::Random, 100},
        {RegressionType::Deming, kvor::DataSource::Generate, kvor::ImportSampling::Random, 99},
        {RegressionType::OLS, kvor::DataSource::Import, kvor::ImportSampling::Random, 100},
        {RegressionType::Deming, kvor::DataSource::Import, kvor::ImportSampling::Sequential, 100},
    };
    for (const Case& c : cases) {
        kvor::StudyDesign design = FixedSeedDesign(c.Regression);
        design.DataSource = c.Source;
        design.ImportSampling = c.Sampling;
        auto drawn = std::make_unique<kvor::RunWorkspace>();
        StartRun(*drawn, design);
        drawn->TargetDesign.N = c.TargetN;
        kvor::RandomGenerator skipped = drawn->Generator;
        for (int set = 1; set <= 4; ++set) {
            kvor::DrawDataSet(design, drawn->TargetDesign, pool.get(), set, drawn->Generator,
                              drawn->DataSet);
            kvor::SkipDataSet(design, drawn->TargetDesign, pool.get(), skipped);
            EXPECT_EQ(skipped.Seed(), drawn->Generator.Seed())
                << static_cast<int>(c.Regression) << " source " << static_cast<int>(c.Source)
                << " set " << set;
        }
    }
}
