#include "studies/DetailsReport.h"
#include "visualise/VisRun.h"
#include "visualise/VisTexts.h"

#include <gtest/gtest.h>
#include <memory>

using namespace kvor;

namespace {

// 250 sets of which 30 proportional, 20 constant and 10 both; the region found 75.
DetailsSummary Example250() {
    DetailsSummary s;
    s.Regression = RegressionType::WLS;
    s.IdealSlope = 1;
    s.IdealIntercept = 0;
    s.ActualSlope = 1.05;
    s.ActualIntercept = 2.5;
    s.VisSets = 250;
    s.VisN = 40;
    s.IntervalsSection = true;
    s.RegionSection = true;
    s.Proportional = 30;
    s.Constant = 20;
    s.Both = 10;
    s.RegionNotDetected = 175;
    s.RegionDetected = 75;
    return s;
}

} // namespace

TEST(BuildSummary, TheExampleOf250SetsLineByLine) {
    const std::vector<ReportLine> lines = BuildSummary(Example250());
    using F = ReportFont;
    const std::vector<ReportLine> expected = {
        {" ", F::ArialBold, 0},
        {"WLS Regression", F::ArialBold, 0},
        {" ", F::ArialBold, 0},
        {"Ideal Relationship: [Slope, Intercept] = [1.0, 0.0]", F::CourierBold, 0},
        {"", F::CourierBold, 5},
        {"Actual Relationship: [Slope, Intercept] = [1.05, 2.5]", F::CourierBold, 0},
        {"", F::CourierBold, 5},
        {"Simulation: 250 sets of N = 40, based on Actual Relationship", F::CourierBold, 0},
        {" ", F::CourierBold, 0},
        {"Bias by Confidence Intervals", F::ArialBold, 0},
        {"", F::ArialBold, 5},
        {"Not Detected  Detected      {Proportional  Constant   Both}", F::CourierBold, 0},
        {"", F::CourierBold, 2},
        {"     190          60               30          20       10", F::Courier, 0},
        {"", F::Courier, 2},
        {"    76.0%       24.0%            12.0%        8.0%     4.0%", F::Courier, 0},
        {" ", F::Courier, 0},
        {"Bias by Joint Confidence Region", F::ArialBold, 0},
        {"", F::ArialBold, 5},
        {"Not Detected  Detected", F::CourierBold, 0},
        {"", F::CourierBold, 2},
        {"     175          75", F::Courier, 0},
        {"", F::Courier, 2},
        {"    70.0%       30.0%", F::Courier, 0},
        {" ", F::Courier, 0},
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1 << ": " << lines[i].Text;
    }
}

TEST(BuildSummary, CountsEndOneColumnBeforeTheirPercentSign) {
    // Columns counted from 1: counts end at 8, 20, 37, 49, 58; the "%" signs stand at 9, 21,
    // 38, 50, 59.
    const std::vector<ReportLine> lines = BuildSummary(Example250());
    const std::string& counts = lines[13].Text;
    const std::string& percents = lines[15].Text;
    ASSERT_EQ(counts.size(), 58u);
    ASSERT_EQ(percents.size(), 59u);
    for (const std::size_t end : {8u, 20u, 37u, 49u, 58u}) {
        EXPECT_NE(counts[end - 1], ' ') << end;
        EXPECT_EQ(counts[end - 5], ' ') << end; // nothing wider than 3 digits here
        EXPECT_EQ(percents[end], '%') << end;
    }
}

TEST(BuildSummary, AllThousandDetected) {
    DetailsSummary s = Example250();
    s.VisSets = 1000;
    s.Proportional = 0;
    s.Constant = 1000;
    s.Both = 0;
    s.RegionNotDetected = 0;
    s.RegionDetected = 1000;
    const std::vector<ReportLine> lines = BuildSummary(s);
    EXPECT_EQ(lines[13].Text, "       0        1000                0        1000        0");
    EXPECT_EQ(lines[15].Text, "     0.0%      100.0%             0.0%      100.0%     0.0%");
    EXPECT_EQ(lines[21].Text, "       0        1000");
    EXPECT_EQ(lines[23].Text, "     0.0%      100.0%");
}

TEST(BuildSummary, NumberFormsOfTheRelationships) {
    struct Case {
        RegressionType regression;
        DataSource source;
        double idealSlope, idealIntercept, actualSlope, actualIntercept;
        char separator;
        const char* line2;
        const char* ideal;
        const char* actual;
    };
    const Case cases[] = {
        {RegressionType::OLS, DataSource::Generate, 1, 0, 1.1, -3, '.', "OLS Regression",
         "Ideal Relationship: [Slope, Intercept] = [1.0, 0.0]",
         "Actual Relationship: [Slope, Intercept] = [1.1, -3.0]"},
        {RegressionType::Deming, DataSource::Import, 0.987654321, 12.3456789, 2, 2, '.',
         "Deming Regression", "Ideal Relationship: [Slope, Intercept] = [0.9877, 12.3457]",
         "Actual Relationship: [Slope, Intercept] = [User defined]"},
        {RegressionType::WLS, DataSource::Generate, 1, 0.5, 1.25, 0, ',', "WLS Regression",
         "Ideal Relationship: [Slope, Intercept] = [1,0, 0,5]",
         "Actual Relationship: [Slope, Intercept] = [1,25, 0,0]"},
    };
    for (const Case& c : cases) {
        DetailsSummary s = Example250();
        s.Regression = c.regression;
        s.DataSource = c.source;
        s.IdealSlope = c.idealSlope;
        s.IdealIntercept = c.idealIntercept;
        s.ActualSlope = c.actualSlope;
        s.ActualIntercept = c.actualIntercept;
        const std::vector<ReportLine> lines = BuildSummary(s, c.separator);
        EXPECT_EQ(lines[1].Text, c.line2);
        EXPECT_EQ(lines[3].Text, c.ideal);
        EXPECT_EQ(lines[5].Text, c.actual);
        EXPECT_EQ(lines[15].Text.substr(0, 9), c.separator == ',' ? "    76,0%" : "    76.0%");
    }
}

TEST(SummaryOf, SectionsOfEachRunAndWindowHeight) {
    struct Case {
        VisRunKind kind;
        bool withIntervals, withRegions;
        const char* firstHeading;
        const char* secondHeading; // null: one section
        int windowLines;
    };
    const Case cases[] = {
        {VisRunKind::Intervals, true, false, "Bias by Confidence Intervals", nullptr, 15},
        {VisRunKind::Intervals, true, true, "Bias by Confidence Intervals",
         "Bias by Joint Confidence Region", 21},
        {VisRunKind::Region, false, true, "Bias by Joint Confidence Region", nullptr, 15},
        {VisRunKind::Region, true, true, "Bias by Confidence Intervals",
         "Bias by Joint Confidence Region", 21},
    };
    StudyDesign design;
    design.Regression = RegressionType::Deming;
    design.TrueSlope = 0.95;
    design.ActualSlope = 1.2;
    for (const Case& c : cases) {
        auto run = std::make_unique<VisRun>();
        run->VisSets = 100;
        run->VisN = 17;
        run->WithIntervals = c.withIntervals;
        run->WithRegions = c.withRegions;
        run->Counts.Bias = {60, 20, 15, 5};
        run->Counts.RegionNotDetected = 45;
        run->Counts.RegionDetected = 55;
        const DetailsSummary s = SummaryOf(design, *run, c.kind);
        EXPECT_EQ(s.Proportional + s.Constant + s.Both, 40);
        EXPECT_EQ(s.RegionDetected, 55);
        const std::vector<ReportLine> lines = BuildSummary(s);
        EXPECT_EQ(lines[1].Text, "Deming Regression");
        EXPECT_EQ(lines[3].Text, "Ideal Relationship: [Slope, Intercept] = [0.95, 0.0]");
        EXPECT_EQ(lines[7].Text, "Simulation: 100 sets of N = 17, based on Actual Relationship");
        ASSERT_EQ(lines.size(), c.secondHeading ? 25u : 17u);
        EXPECT_EQ(lines[9].Text, c.firstHeading);
        if (c.secondHeading) {
            EXPECT_EQ(lines[17].Text, c.secondHeading);
        }
        EXPECT_EQ(ReportWindowLines(s.Sections()), c.windowLines);
    }
}

TEST(ReportPlainText, OneLinePerParagraphAndSpacersEmpty) {
    DetailsSummary s = Example250();
    s.RegionSection = false;
    EXPECT_EQ(ReportPlainText(BuildSummary(s)),
              " \n"
              "WLS Regression\n"
              " \n"
              "Ideal Relationship: [Slope, Intercept] = [1.0, 0.0]\n"
              "\n"
              "Actual Relationship: [Slope, Intercept] = [1.05, 2.5]\n"
              "\n"
              "Simulation: 250 sets of N = 40, based on Actual Relationship\n"
              " \n"
              "Bias by Confidence Intervals\n"
              "\n"
              "Not Detected  Detected      {Proportional  Constant   Both}\n"
              "\n"
              "     190          60               30          20       10\n"
              "\n"
              "    76.0%       24.0%            12.0%        8.0%     4.0%\n"
              " \n");
}

TEST(ReportCount, LongerNumbersAreNotCut) {
    EXPECT_EQ(ReportCount(7), "   7");
    EXPECT_EQ(ReportCount(12345), "12345");
}
