#include "studies/SearchPass.h"

#include "studies/DetectionDisplay.h"
#include "studies/DetectionPanels.h"
#include "studies/DetectionTable.h"
#include "studies/EvaluationCache.h"

#include "ScriptedEvaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kvor {
namespace {

using test::ScriptedEvaluator;

// Enclosing per 1000 sets: below `threshold` just too many (not decided early), from it on
// comfortably few.
auto NearThreshold(int threshold) {
    return [threshold](int n) { return n >= threshold ? 150 : 250; };
}

auto Step(int threshold) {
    return [threshold](int n) { return n >= threshold ? 0 : 1000; };
}

struct Outcome {
    std::optional<SearchState> State;
    std::vector<int> Refreshes;
    DetectionSide Side;
};

Outcome RunSearch(ScriptedEvaluator& script, double allowedMiss, int detectionRate,
                  int maxEvaluations = MaxEvaluationsPerPass) {
    Outcome out;
    EvaluationCache cache;
    out.State = RunAutomaticPass(
        out.Side.Automatic, cache, allowedMiss, script.AsEvaluator(),
        [&](int n) {
            out.Refreshes.push_back(n);
            UpdateDetectionSide(out.Side, n, EstimationMode::Automatic, detectionRate, '.');
        },
        maxEvaluations);
    return out;
}

std::vector<int> Sorted(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<int> RowNs(const DetectionTable& table) {
    std::vector<int> ns;
    for (const NEvaluation& row : table.Rows()) {
        ns.push_back(row.N);
    }
    return ns;
}

TEST(RunAutomaticPass, BracketsBisectsAndReusesCachedResults) {
    ScriptedEvaluator script(NearThreshold(337), 0.2, true);
    const Outcome out = RunSearch(script, 0.2, 80);
    ASSERT_TRUE(out.State);
    // 400 and 337 are reached again through the cache; neither is simulated twice.
    const std::vector<int> expected = {200, 400, 300, 350, 325, 337, 331, 334, 335, 336};
    EXPECT_EQ(script.Evaluated, expected);
    EXPECT_EQ(out.State->Evaluations, 10);
    EXPECT_TRUE(out.State->Finished);
    EXPECT_EQ(RowNs(out.Side.Automatic), Sorted(expected));
    EXPECT_EQ(out.Side.AnswerStore, 337);
    std::vector<int> refreshes(expected.begin() + 1, expected.end());
    refreshes.push_back(-1);
    EXPECT_EQ(out.Refreshes, refreshes);
}

TEST(RunAutomaticPass, EachRefreshShowsTheNextNInProgress) {
    ScriptedEvaluator script(NearThreshold(337), 0.2, true);
    EvaluationCache cache;
    DetectionTable table;
    int checked = 0;
    RunAutomaticPass(table, cache, 0.2, script.AsEvaluator(), [&](int n) {
        const auto& rows = table.Rows();
        const auto inProgress = std::count_if(rows.begin(), rows.end(),
                                              [](const NEvaluation& r) { return r.InProgress(); });
        if (n == -1) {
            EXPECT_EQ(inProgress, 0);
            return;
        }
        ++checked;
        EXPECT_EQ(inProgress, 1);
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                                [n](const NEvaluation& r) { return r.N == n && r.InProgress(); }));
    });
    EXPECT_EQ(checked, 9);
    EXPECT_TRUE(std::none_of(table.Rows().begin(), table.Rows().end(),
                             [](const NEvaluation& r) { return r.InProgress(); }));
}

TEST(RunAutomaticPass, ClearOutcomesJumpFurtherAndFineSearchRunsInFull) {
    ScriptedEvaluator script(Step(230), 0.2, true);
    const Outcome out = RunSearch(script, 0.2, 80);
    const std::vector<int> expected = {200, 1000, 600, 400, 300, 250, 225, 237, 231, 228, 229, 230};
    EXPECT_EQ(script.Evaluated, expected);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i]);
        EXPECT_EQ(script.Counted[i], script.FineSearch[i] ? 1000 : 100);
    }
    EXPECT_TRUE(script.FineSearch[10] && script.FineSearch[11]);
    EXPECT_EQ(out.Side.AnswerStore, 230);
}

TEST(RunAutomaticPass, EqualFirstEvaluationProbesTenBelow) {
    // Exactly 200 of 1000 sets enclose from N = 200 on: equal at 80 %, and the answer.
    ScriptedEvaluator script([](int n) { return n >= 200 ? 200 : 250; }, 0.2, true);
    const Outcome out = RunSearch(script, 0.2, 80);
    const std::vector<int> expected = {200, 190, 201, 195, 198, 199};
    EXPECT_EQ(script.Evaluated, expected);
    EXPECT_EQ(out.Side.AnswerStore, 200);
    ASSERT_FALSE(out.Side.TableLines.empty());
    EXPECT_EQ(out.Side.TableLines[out.Side.FocusRow], "B200    80.0%    1000");
}

// After an "equal" first N the bracket's top (N + 12) was never simulated; found insufficient, it
// used to be probed again and again from the cache.
TEST(RunAutomaticPass, InsufficientUntestedTopReopensTheSearch) {
    ScriptedEvaluator script(
        [](int n) {
            if (n == 200) {
                return 200;
            }
            return n >= 300 ? 150 : 250;
        },
        0.2, true);
    const Outcome out = RunSearch(script, 0.2, 80);
    ASSERT_GE(script.Evaluated.size(), 5u);
    EXPECT_EQ(std::vector<int>(script.Evaluated.begin(), script.Evaluated.begin() + 5),
              (std::vector<int>{200, 190, 201, 212, 424}));
    EXPECT_TRUE(out.State->Finished);
    EXPECT_EQ(script.Evaluated.back(), 299);
}

struct EndCase {
    const char* name;
    int enclosingPerMille;
    std::vector<int> evaluated;
    int answer;
    const char* panel;
};

TEST(RunAutomaticPass, EndsAtTheLimitsOfTheRange) {
    const std::vector<EndCase> cases = {
        {"bias too small to detect", 500, {200, 1000, 5000}, AnswerNoneFound, " > 5000"},
        {"bias detected at N = 3", 0, {200, 20, 3}, 3, " 3"},
    };
    for (const EndCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedEvaluator script([&](int) { return c.enclosingPerMille; }, 0.2, true);
        const Outcome out = RunSearch(script, 0.2, 80);
        EXPECT_EQ(script.Evaluated, c.evaluated);
        EXPECT_TRUE(out.State->Finished);
        EXPECT_EQ(out.Side.AnswerStore, c.answer);
        EXPECT_EQ(RequiredNText(out.Side.AnswerStore), c.panel);
    }
}

TEST(RunAutomaticPass, EvaluationCapEndsThePassWithTheBestAnswerListed) {
    ScriptedEvaluator script(NearThreshold(337), 0.2, true);
    const Outcome out = RunSearch(script, 0.2, 80, 4);
    EXPECT_EQ(script.Evaluated, (std::vector<int>{200, 400, 300, 350}));
    EXPECT_FALSE(out.State->Finished);
    EXPECT_EQ(out.Refreshes.back(), -1);
    EXPECT_EQ(RowNs(out.Side.Automatic), (std::vector<int>{200, 300, 350, 400}));
    EXPECT_EQ(out.Side.AnswerStore, 350);
}

TEST(RunAutomaticPass, StoppedRunEndsAtOnceWithoutFinalDisplay) {
    ScriptedEvaluator script(NearThreshold(337), 0.2, true);
    script.StopAt = 300;
    const Outcome out = RunSearch(script, 0.2, 80);
    EXPECT_FALSE(out.State);
    EXPECT_EQ(script.Evaluated, (std::vector<int>{200, 400, 300}));
    EXPECT_EQ(out.Refreshes, (std::vector<int>{400, 300}));
}

TEST(RunAutomaticPass, EachPassStartsAfresh) {
    ScriptedEvaluator first(Step(230), 0.2, true);
    EvaluationCache cache;
    DetectionTable table;
    RunAutomaticPass(table, cache, 0.2, first.AsEvaluator(), [](int) {});
    ScriptedEvaluator second(Step(230), 0.2, true);
    RunAutomaticPass(table, cache, 0.2, second.AsEvaluator(), [](int) {});
    EXPECT_EQ(second.Evaluated, first.Evaluated);
    EXPECT_EQ(table.Rows().size(), first.Evaluated.size());
}

// No valid data set at an N: nothing was detected there, so the search moves up and the row
// shows 0.0 % of 0 sets instead of the previous N's rate.
TEST(RunAutomaticPass, NoValidSetCountsAsNothingDetected) {
    ScriptedEvaluator script(NearThreshold(337), 0.2, true);
    const NEvaluator evaluate = [&](int n, bool fine) -> std::optional<EvaluationCounts> {
        if (n == 200) {
            script.Evaluated.push_back(n);
            return EvaluationTally(1000, 0.2, true, fine).Counts();
        }
        return script.Evaluate(n, fine);
    };
    DetectionSide side;
    EvaluationCache cache;
    RunAutomaticPass(side.Automatic, cache, 0.2, evaluate, [&](int n) {
        UpdateDetectionSide(side, n, EstimationMode::Automatic, 80, '.');
    });
    ASSERT_GE(script.Evaluated.size(), 2u);
    EXPECT_EQ(script.Evaluated[1], 400);
    EXPECT_EQ(side.TableLines[0], "200     0.0%       0");
    EXPECT_EQ(side.AnswerStore, 337);
}

TEST(RunSpecifiedNPass, AddsARowAfterEarlierRowsForTheSameN) {
    DetectionTable table;
    std::vector<std::size_t> rowsAtRefresh;
    const auto refresh = [&](int) { rowsAtRefresh.push_back(table.Rows().size()); };
    ScriptedEvaluator script([](int n) { return n / 10; }, 0.2, false);
    ASSERT_TRUE(RunSpecifiedNPass(table, 500, script.AsEvaluator(), refresh));
    ASSERT_TRUE(RunSpecifiedNPass(table, 100, script.AsEvaluator(), refresh));
    ASSERT_TRUE(RunSpecifiedNPass(table, 500, script.AsEvaluator(), refresh));
    EXPECT_EQ(rowsAtRefresh, (std::vector<std::size_t>{1, 1, 2, 2, 3, 3}));
    const auto& rows = table.Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].N, 100);
    EXPECT_DOUBLE_EQ(*rows[0].Detection, 99.0);
    EXPECT_EQ(rows[1].N, 500);
    EXPECT_EQ(rows[2].N, 500);
    EXPECT_DOUBLE_EQ(*rows[2].Detection, 95.0);
    EXPECT_EQ(rows[2].Sets, 1000);
    EXPECT_EQ(script.Counted, (std::vector<int>{1000, 1000, 1000}));
}

TEST(RunSpecifiedNPass, StoppedRunLeavesTheRowInProgress) {
    DetectionTable table;
    ScriptedEvaluator script([](int) { return 1000; }, 0.2, false);
    script.StopAt = 100;
    EXPECT_FALSE(RunSpecifiedNPass(table, 100, script.AsEvaluator(), [](int) {}));
    ASSERT_EQ(table.Rows().size(), 1u);
    EXPECT_TRUE(table.Rows()[0].InProgress());
}

} // namespace
} // namespace kvor
