#include "engine/DesignLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using kvor::DesignField;

// The text an edit shows for a whole-numbered bound.
int TextLength(double value) {
    std::ostringstream text;
    text.precision(15);
    text << value;
    return static_cast<int>(text.str().size());
}

} // namespace

TEST(DesignLimits, EveryEditHoldsItsDefaultAndTheTextOfItsBounds) {
    for (const kvor::FieldLimits& f : kvor::DesignLimitTable) {
        const int index = static_cast<int>(f.Field);
        EXPECT_EQ(&kvor::DesignLimit(f.Field), &f) << "row out of order: " << index;
        EXPECT_LT(f.Min, f.Max) << index;
        EXPECT_GE(f.Default, f.Min) << index;
        EXPECT_LE(f.Default, f.Max) << index;
        EXPECT_TRUE(f.OnAccuracy || f.OnPower) << index;
        if (f.MaxLength == 0) {
            continue; // no edit
        }
        for (const double bound : {f.Min, f.Max}) {
            if (bound == std::floor(bound)) {
                EXPECT_LE(TextLength(bound), f.MaxLength) << index << " bound " << bound;
            }
        }
        // The exit rule's replacement of 0 must itself be a value the edit accepts.
        EXPECT_GE(f.OnExit, f.Min) << index;
        EXPECT_LE(f.OnExit, f.Max) << index;
    }
}

TEST(DesignLimits, OnlyThePowerTabHasTheActualLine) {
    for (const DesignField f : {DesignField::ActualSlope, DesignField::ActualIntercept}) {
        EXPECT_FALSE(kvor::OnTab(f, kvor::StudyTab::Accuracy));
        EXPECT_TRUE(kvor::OnTab(f, kvor::StudyTab::Power));
    }
    EXPECT_TRUE(kvor::OnTab(DesignField::N, kvor::StudyTab::Accuracy));
    EXPECT_TRUE(kvor::OnTab(DesignField::N, kvor::StudyTab::Power));
}

TEST(UpdateSampling, KeepsSetsTimesNWithinThePool) {
    struct Case {
        int Count, Sets, N;
        int MaxSets, MaxN, SetsLength, NLength, NewSets, NewN;
    };
    const Case cases[] = {
        {0, 1000, 100, 10000, 5000, 5, 4, 1000, 100},       // no pool
        {250000, 1000, 100, 2500, 250, 4, 3, 1000, 100},    // fits: limits from the other value
        {250000, 1000, 300, 1000, 250, 4, 3, 1000, 250},    // too many: S = 1000, N = C div 1000
        {3000, 1000, 100, 1000, 3, 4, 1, 1000, 3},          // the smallest pool allows N = 3
        {6000, 2000, 3, 2000, 3, 4, 1, 2000, 3},            // exactly the pool is allowed
        {1000000, 1000, 100, 10000, 1000, 5, 4, 1000, 100}, // the largest pool
    };
    for (const Case& c : cases) {
        const kvor::SamplingLimits l = kvor::UpdateSampling(c.Count, c.Sets, c.N);
        SCOPED_TRACE(::testing::Message() << c.Count << " pairs, " << c.Sets << " x " << c.N);
        EXPECT_EQ(l.MaxSets, c.MaxSets);
        EXPECT_EQ(l.MaxN, c.MaxN);
        EXPECT_EQ(l.SetsMaxLength, c.SetsLength);
        EXPECT_EQ(l.NMaxLength, c.NLength);
        EXPECT_EQ(l.Sets, c.NewSets);
        EXPECT_EQ(l.N, c.NewN);
        EXPECT_LE(static_cast<long long>(l.Sets) * l.N, c.Count == 0 ? 1LL << 62 : c.Count);
    }
}

TEST(UpdateSampling, LeavingAnEditCapsTheOtherAtItsRangeAndThePool) {
    EXPECT_EQ(kvor::MaxNForSets(5000, 1000), 5);
    EXPECT_EQ(kvor::MaxNForSets(1000000, 100), 5000); // the N range, not the pool
    EXPECT_EQ(kvor::MaxSetsForN(5000, 50), 100);
    EXPECT_EQ(kvor::MaxSetsForN(1000000, 3), 10000); // the data-sets range, not the pool
}
