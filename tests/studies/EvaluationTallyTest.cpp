#include "studies/EvaluationTally.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvor {
namespace {

struct TallyCase {
    const char* name;
    bool automatic;
    bool fine;
    int enclosingPerMille;
    int stopsAt;
    int stepFactor;
};

TEST(EvaluationTally, StopsAtTheCheckPointsOnlyWhenClear) {
    const std::vector<TallyCase> cases = {
        {"nothing detected", true, false, 1000, 100, 5},
        {"everything detected", true, false, 0, 100, 10},
        {"clear only at 200 sets", true, false, 380, 200, 5},
        {"clear only at 500 sets", true, false, 300, 500, 5},
        {"never clear", true, false, 250, 1000, 2},
        {"exactly the allowed miss", true, false, 200, 1000, 2},
        {"fine search never stops early", true, true, 1000, 1000, 2},
        {"fine search, everything detected", true, true, 0, 1000, 2},
        {"specified N never stops early", false, false, 1000, 1000, 2},
    };
    for (const TallyCase& c : cases) {
        EvaluationTally tally(1000, 0.2, c.automatic, c.fine);
        int k = 1;
        while (!tally.Count((k * c.enclosingPerMille) / 1000 >
                            ((k - 1) * c.enclosingPerMille) / 1000)) {
            ++k;
        }
        SCOPED_TRACE(c.name);
        EXPECT_EQ(k, c.stopsAt);
        EXPECT_EQ(tally.Counts().Counted, c.stopsAt);
        EXPECT_EQ(tally.Counts().StepFactor, c.stepFactor);
        EXPECT_DOUBLE_EQ(tally.Counts().MissFraction, c.enclosingPerMille / 1000.0);
    }
}

TEST(EvaluationTally, TwoHundredOfAThousandIsExactlyTheAllowedMiss) {
    EvaluationTally tally(1000, 0.2, true, false);
    for (int k = 1; k <= 1000; ++k) {
        tally.Count(k <= 200);
    }
    EXPECT_EQ(tally.Counts().Enclosing, 200);
    EXPECT_EQ(tally.Counts().MissFraction, 0.2);
}

TEST(EvaluationTally, NoValidSetMeansNothingDetected) {
    const EvaluationTally tally(1000, 0.1, true, false);
    EXPECT_EQ(tally.Counts().Counted, 0);
    EXPECT_EQ(tally.Counts().MissFraction, 1.0);
    EXPECT_EQ(tally.Counts().StepFactor, 2);
}

} // namespace
} // namespace kvor
