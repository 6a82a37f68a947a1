#include "studies/SampleSizeSearch.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvor {
namespace {

TEST(AllowedMissFor, NearestDoublesOfTheDecimals) {
    EXPECT_EQ(AllowedMissFor(80), 0.2);
    EXPECT_EQ(AllowedMissFor(90), 0.1);
    EXPECT_EQ(AllowedMissFor(95), 0.05);
    // 200 enclosing sets of 1000 is exactly the allowed miss at 80 %.
    EXPECT_EQ(200.0 / 1000.0, AllowedMissFor(80));
}

TEST(EarlyDecision, FactorByFourStandardErrors) {
    struct Case {
        double m;
        int n;
        double allowedMiss;
        int expected;
    };
    // h = 4 sqrt(m (1 - m) / n), worked by hand.
    const std::vector<Case> cases = {
        {1.0, 100, 0.2, 5},   // nothing detected
        {0.0, 100, 0.2, 10},  // everything detected
        {0.4, 100, 0.2, 5},   // h = 0.19596: 0.2 < 0.204
        {0.36, 100, 0.2, 2},  // h = 0.192: 0.2 > 0.168
        {0.3, 100, 0.2, 2},   // h = 0.1833
        {0.05, 100, 0.2, 10}, // h = 0.0872: 0.2 > 0.1372
        {0.1, 100, 0.2, 2},   // h = 0.12: 0.2 < 0.22
        {0.05, 500, 0.2, 10}, // h = 0.0390: 0.2 > 0.0890
        {0.02, 200, 0.1, 10}, // h = 0.0396: 0.1 > 0.0596
        {0.2, 500, 0.2, 2},   // at the allowed miss
        {0.13, 500, 0.05, 5}, // h = 0.0601: 0.05 < 0.0699
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EarlyDecision(c.m, c.n, c.allowedMiss), c.expected)
            << "m " << c.m << " n " << c.n << " allowed " << c.allowedMiss;
    }
}

struct Probe {
    int LowerLimit, UpperLimit, LowerProbe, UpperProbe;
};

SearchState StateOf(Probe p, int evaluations, int stepFactor = 2, bool fine = false) {
    SearchState s;
    s.LowerLimit = p.LowerLimit;
    s.UpperLimit = p.UpperLimit;
    s.LowerProbe = p.LowerProbe;
    s.UpperProbe = p.UpperProbe;
    s.Evaluations = evaluations;
    s.StepFactor = stepFactor;
    s.FineSearch = fine;
    return s;
}

struct NextNCase {
    const char* rule;
    Probe before;
    bool fine;
    int stepFactor;
    int n;
    double m;
    Probe after;
    int next; // 0: the search finishes
    bool fineAfter;
};

void Check(const NextNCase& c, int evaluations) {
    SearchState s = StateOf(c.before, evaluations, c.stepFactor, c.fine);
    const int next = NextN(s, c.n, c.m, 0.2);
    SCOPED_TRACE(c.rule);
    EXPECT_EQ(s.Finished, c.next == 0);
    if (c.next != 0) {
        EXPECT_EQ(next, c.next);
    }
    EXPECT_EQ(s.LowerLimit, c.after.LowerLimit);
    EXPECT_EQ(s.UpperLimit, c.after.UpperLimit);
    EXPECT_EQ(s.LowerProbe, c.after.LowerProbe);
    EXPECT_EQ(s.UpperProbe, c.after.UpperProbe);
    EXPECT_EQ(s.FineSearch, c.fineAfter);
}

TEST(NextN, FirstEvaluationRules) {
    const Probe start{3, 5000, 0, 0};
    const std::vector<NextNCase> cases = {
        {"sufficient, factor 2", start, false, 2, 200, 0.15, {3, 5000, 100, 200}, 100, false},
        {"sufficient, factor 10", start, false, 10, 200, 0.0, {3, 200, 20, 200}, 20, false},
        {"insufficient, factor 2", start, false, 2, 200, 0.3, {3, 5000, 200, 400}, 400, false},
        {"insufficient, factor 5", start, false, 5, 200, 1.0, {200, 5000, 200, 1000}, 1000, false},
        {"equal", start, false, 2, 200, 0.2, {3, 5000, 190, 212}, 190, false},
        {"insufficient near the top",
         start,
         false,
         5,
         2000,
         0.9,
         {2000, 5000, 2000, 5000},
         5000,
         false},
        {"sufficient near the bottom", start, false, 10, 20, 0.0, {3, 20, 3, 20}, 3, false},
    };
    for (const NextNCase& c : cases) {
        Check(c, 1);
    }
}

TEST(NextN, LaterEvaluationRules) {
    const std::vector<NextNCase> cases = {
        {"1: N = 3 sufficient", {3, 20, 3, 20}, false, 2, 3, 0.1, {3, 20, 3, 20}, 0, false},
        {"1: N = 3 equal", {3, 20, 3, 20}, false, 2, 3, 0.2, {3, 20, 3, 20}, 0, false},
        {"2: N = 5000 insufficient",
         {1000, 5000, 1000, 5000},
         false,
         5,
         5000,
         0.5,
         {1000, 5000, 1000, 5000},
         0,
         false},
        {"2: N = 5000 equal",
         {1000, 5000, 1000, 5000},
         false,
         2,
         5000,
         0.2,
         {1000, 5000, 1000, 5000},
         0,
         false},
        {"3: fine, insufficient",
         {331, 337, 334, 337},
         true,
         2,
         335,
         0.25,
         {331, 337, 334, 337},
         336,
         true},
        {"3: fine, sufficient",
         {331, 337, 334, 337},
         true,
         2,
         336,
         0.1,
         {331, 337, 334, 337},
         0,
         true},
        {"3: fine, equal", {331, 337, 334, 337}, true, 2, 336, 0.2, {331, 337, 334, 337}, 0, true},
        {"4: sufficient at the upper probe, wide",
         {200, 5000, 200, 400},
         false,
         2,
         400,
         0.1,
         {200, 400, 200, 300},
         300,
         false},
        {"4: sufficient at the upper probe, narrow",
         {331, 337, 334, 337},
         false,
         2,
         337,
         0.1,
         {331, 337, 334, 337},
         335,
         true},
        {"4: width exactly 6 still bisects",
         {325, 337, 331, 337},
         false,
         2,
         337,
         0.1,
         {331, 337, 331, 334},
         334,
         false},
        {"5: sufficient below the upper probe",
         {200, 5000, 200, 1000},
         false,
         10,
         600,
         0.0,
         {200, 600, 200, 600},
         200,
         false},
        {"5: lower probe is N div s",
         {3, 5000, 100, 200},
         false,
         5,
         100,
         0.05,
         {3, 100, 20, 100},
         20,
         false},
        {"6: equal", {3, 5000, 100, 400}, false, 2, 300, 0.2, {3, 300, 280, 300}, 280, false},
        {"6: equal at the upper probe",
         {200, 400, 200, 300},
         false,
         2,
         300,
         0.2,
         {200, 300, 280, 300},
         280,
         false},
        {"6: equal limited below",
         {290, 400, 290, 300},
         false,
         2,
         300,
         0.2,
         {290, 300, 290, 300},
         290,
         false},
        {"7: insufficient at the upper probe",
         {3, 5000, 200, 400},
         false,
         5,
         400,
         0.6,
         {400, 5000, 400, 2000},
         2000,
         false},
        {"7: upper probe limited",
         {200, 400, 200, 300},
         false,
         2,
         300,
         0.3,
         {300, 400, 300, 400},
         400,
         false},
        {"8: insufficient below, wide",
         {190, 5000, 190, 212},
         false,
         2,
         190,
         0.3,
         {190, 212, 190, 201},
         201,
         false},
        {"8: insufficient below, narrow",
         {3, 400, 396, 400},
         false,
         2,
         398,
         0.3,
         {3, 400, 396, 400},
         397,
         true},
        {"8: lower limit raised to N",
         {3, 1000, 100, 1000},
         false,
         2,
         500,
         0.3,
         {500, 1000, 500, 750},
         750,
         false},
    };
    for (const NextNCase& c : cases) {
        Check(c, 4);
    }
}

// An "equal" first N leaves an upper probe (N + 12) that was never simulated; once it is found
// insufficient it must not be probed again forever from the cache.
TEST(NextN, InsufficientAtAnUntestedUpperLimitOpensTheLimit) {
    SearchState s = StateOf({201, 212, 201, 212}, 4, 2);
    const int next = NextN(s, 212, 0.3, 0.2);
    EXPECT_FALSE(s.Finished);
    EXPECT_EQ(next, 424);
    EXPECT_EQ(s.LowerLimit, 212);
    EXPECT_EQ(s.UpperLimit, 5000);
    EXPECT_EQ(s.LowerProbe, 212);
    EXPECT_EQ(s.UpperProbe, 424);
}

} // namespace
} // namespace kvor
