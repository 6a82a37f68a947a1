#include "studies/SetStream.h"

#include "engine/CriticalValues.h"
#include "engine/FitDataSet.h"
#include "engine/RandomGenerator.h"
#include "engine/RunWorkspace.h"
#include "engine/StudyDesign.h"
#include "engine/TargetDesign.h"
#include "studies/RunControl.h"

#include <atomic>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

namespace {

using kvor::RegressionType;
using kvor::SetEnd;
using kvor::StreamGoOn;

struct SeenSet {
    long long Attempt = 0;
    SetEnd End = SetEnd::Aborted;
    double Slope = 0;
    double FirstY = 0;

    bool operator==(const SeenSet&) const = default;
};

struct StreamResult {
    std::vector<SeenSet> Sets;
    long long Consumed = 0;
    double NextUniform = 0; // where the generator was left
};

std::unique_ptr<kvor::RunWorkspace> StartedWorkspace(RegressionType regression) {
    auto ws = std::make_unique<kvor::RunWorkspace>();
    ws->Design.FixedSeed = true;
    ws->Design.N = 20;
    ws->Design.Regression = regression;
    ws->Design.YVariance = {2, 0, 0.5, 0.02, 0, 2};
    ws->Design.XVariance = {2, 0, 0.5, 0.02, 0, 2};
    ws->CriticalValues = kvor::ComputeCriticalValues(ws->Design);
    kvor::SeedGenerator(ws->Generator, ws->Design, [] { return 0.25; });
    kvor::BuildTargetDesign(ws->Design, 1, 0, ws->Generator, ws->TargetDesign);
    return ws;
}

// Streams `count` sets with the given fit and consumer rule and records what the consumer saw.
StreamResult Stream(RegressionType regression, int threads, long long count,
                    const kvor::SetFitter& fit,
                    const std::function<StreamGoOn(const kvor::StreamedSet&)>& rule,
                    const std::atomic<bool>* running = nullptr) {
    const auto ws = StartedWorkspace(regression);
    kvor::RunControl control;
    control.Threads = threads;
    control.AbortFlag = running;
    StreamResult result;
    result.Consumed =
        kvor::StreamSets(*ws, nullptr, control, fit, false, count, [&](const auto& set) {
            result.Sets.push_back({set.Attempt, set.Step.End, set.Step.Fit.Slope, set.Data.Y[0]});
            return rule(set);
        });
    result.NextUniform = ws->Generator.NextUniform();
    return result;
}

StreamGoOn Always(const kvor::StreamedSet&) {
    return StreamGoOn::Yes;
}

// Fails about one fit in `period`, by a rule on the set's data so that it holds on any thread.
kvor::SetFitter FailingOneIn(long long period) {
    return [period](kvor::RunWorkspace& w) {
        kvor::RegressionOutcome r = kvor::FitDataSet(w);
        if (static_cast<long long>(std::abs(w.DataSet.Y[0]) * 1e6) % period == 0) {
            r.FailCode = kvor::DegenerateSpread;
        }
        return r;
    };
}

const int ThreadCounts[] = {2, 3, 8};

TEST(StreamSets, EveryThreadCountGivesTheSetsOfOneThreadAndLeavesTheGeneratorAlike) {
    for (RegressionType regression :
         {RegressionType::OLS, RegressionType::WLS, RegressionType::Deming}) {
        const StreamResult one = Stream(regression, 1, 60, kvor::FitDataSet, Always);
        ASSERT_EQ(one.Consumed, 60);
        for (int threads : ThreadCounts) {
            const StreamResult many = Stream(regression, threads, 60, kvor::FitDataSet, Always);
            EXPECT_EQ(many.Sets, one.Sets) << threads;
            EXPECT_EQ(many.Consumed, one.Consumed);
            EXPECT_EQ(many.NextUniform, one.NextUniform) << threads;
        }
    }
}

TEST(StreamSets, AStopOrAFailedFitEndsTheRunThereAndLaterSetsAreNeverSeen) {
    const auto stopAt17 = [](const kvor::StreamedSet& set) {
        return set.Attempt == 17 ? StreamGoOn::No : StreamGoOn::Yes;
    };
    struct Case {
        const char* Name;
        kvor::SetFitter Fit;
        std::function<StreamGoOn(const kvor::StreamedSet&)> Rule;
    };
    const Case cases[] = {{"stop", kvor::FitDataSet, stopAt17},
                          {"failure", FailingOneIn(37), Always},
                          {"failure on the stop", FailingOneIn(37), stopAt17}};
    for (const Case& c : cases) {
        const StreamResult one = Stream(RegressionType::OLS, 1, 200, c.Fit, c.Rule);
        ASSERT_LT(one.Consumed, 200) << c.Name;
        ASSERT_EQ(one.Sets.back().Attempt, one.Consumed);
        for (int threads : ThreadCounts) {
            const StreamResult many = Stream(RegressionType::OLS, threads, 200, c.Fit, c.Rule);
            EXPECT_EQ(many.Sets, one.Sets) << c.Name << ' ' << threads;
            // The next evaluation starts where one thread would start it.
            EXPECT_EQ(many.NextUniform, one.NextUniform) << c.Name << ' ' << threads;
        }
    }
}

TEST(StreamSets, AnAbortOnAFailedSetThatIsAlsoTheLastEndsTheRunOnEveryThreadCount) {
    const kvor::SetFitter fit = FailingOneIn(37);
    const StreamResult probe = Stream(RegressionType::Deming, 1, 200, fit, Always);
    const long long failed = probe.Consumed;
    ASSERT_EQ(probe.Sets.back().End, SetEnd::FitFailed);
    for (int threads : {1, 2, 3, 8}) {
        std::atomic<bool> running = true;
        const StreamResult result = Stream(
            RegressionType::Deming, threads, failed, fit,
            [&](const kvor::StreamedSet& set) {
                if (set.Step.End == SetEnd::FitFailed) {
                    running = false;
                }
                return StreamGoOn::Yes;
            },
            &running);
        EXPECT_EQ(result.Sets, probe.Sets) << threads;
    }
}

TEST(StreamSets, AnAbortFromAnotherThreadStopsTheRunBeforeItsSetsRunOut) {
    for (int threads : {1, 2, 8}) {
        std::atomic<bool> running = true;
        std::atomic<long long> seen = 0;
        std::thread aborter([&] {
            while (seen.load() < 5) {
                std::this_thread::yield();
            }
            running = false;
        });
        const StreamResult result = Stream(
            RegressionType::Deming, threads, 1000000, kvor::FitDataSet,
            [&](const kvor::StreamedSet&) {
                ++seen;
                return StreamGoOn::Yes;
            },
            &running);
        aborter.join();
        EXPECT_LT(result.Consumed, 1000000) << threads;
        EXPECT_EQ(result.Sets.back().End, SetEnd::Aborted) << threads;
    }
}

} // namespace
