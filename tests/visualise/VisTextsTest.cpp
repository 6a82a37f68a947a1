#include "visualise/VisTexts.h"
#include "visualise/VisRun.h"

#include <gtest/gtest.h>
#include <memory>

using namespace kvor;

namespace {

std::unique_ptr<VisRun> CountedRun(bool intervals, bool regions) {
    auto run = std::make_unique<VisRun>();
    run->VisSets = 250;
    run->WithIntervals = intervals;
    run->WithRegions = regions;
    run->Counts.Bias = {150, 40, 10, 50}; // 100 biased
    run->Counts.RegionDetected = 187;
    run->Counts.RegionNotDetected = 63;
    return run;
}

} // namespace

TEST(VisResultLabels, TextsOfEachRunAndMode) {
    const auto both = CountedRun(true, true);
    const VisLabels automatic =
        VisResultLabels(*both, VisRunKind::Intervals, EstimationMode::Automatic, '.');
    EXPECT_EQ(automatic.CIDetection1, "Detection Success:  40.0%");
    EXPECT_EQ(automatic.CRDetection1, "{Detection by Confidence Region:  74.8%}");
    EXPECT_EQ(automatic.Specified, "");

    const VisLabels specified =
        VisResultLabels(*both, VisRunKind::Intervals, EstimationMode::SpecifiedN, ',');
    EXPECT_EQ(specified.Specified,
              "Success Rate;   Confidence Intervals:  40,0%,   Confidence Region:  74,8%");
    EXPECT_EQ(specified.CIDetection1, "");

    const VisLabels region =
        VisResultLabels(*both, VisRunKind::Region, EstimationMode::Automatic, '.');
    EXPECT_EQ(region.CIDetection2, "Detection Success:  74.8%");
    EXPECT_EQ(region.CRDetection2, "{Detection by Confidence Intervals:   40.0%}");

    const auto alone = CountedRun(true, false);
    EXPECT_EQ(
        VisResultLabels(*alone, VisRunKind::Intervals, EstimationMode::Automatic, '.').CRDetection1,
        "");
    const auto regionOnly = CountedRun(false, true);
    EXPECT_EQ(VisResultLabels(*regionOnly, VisRunKind::Region, EstimationMode::Automatic, '.')
                  .CRDetection2,
              "");
}

TEST(DetectionPercent, WidthSixOneDecimal) {
    EXPECT_EQ(DetectionPercent(1000, 1000, '.'), " 100.0");
    EXPECT_EQ(DetectionPercent(0, 10, '.'), "   0.0");
    EXPECT_EQ(DetectionPercent(1, 3, ','), "  33,3");
}
