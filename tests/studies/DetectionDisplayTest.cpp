#include "studies/DetectionDisplay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvor {
namespace {

NEvaluation Row(int n, double detection, int sets = 1000) {
    return {n, detection, sets};
}

TEST(FormatDetectionLine, ColumnsForEveryWidth) {
    const std::string wide = FormatDetectionLine(Row(5000, 80.2), 4, 80, '.');
    EXPECT_EQ(wide, "5000   80.2%    1000");
    ASSERT_EQ(wide.size(), 20u);
    EXPECT_EQ(wide.substr(0, 4), "5000");      // columns 1 to 4
    EXPECT_EQ(wide.substr(4, 7), "   80.2");   // columns 5 to 11
    EXPECT_EQ(wide[11], '%');                  // column 12
    EXPECT_EQ(wide.substr(12, 8), "    1000"); // columns 13 to 20

    const std::string narrow = FormatDetectionLine(Row(95, 80.2), 2, 80, '.');
    EXPECT_EQ(narrow, "95     80.2%    1000");
    EXPECT_EQ(narrow.substr(2, 9), "     80.2"); // columns 3 to 11

    EXPECT_EQ(FormatDetectionLine(Row(7, 100.0, 10000), 4, 95, '.'), "   7  100.0%   10000");
    EXPECT_EQ(FormatDetectionLine({200, std::nullopt, 0}, 4, 80, '.'), " 200");
    EXPECT_EQ(FormatDetectionLine(Row(300, 91.25), 3, 90, ','), "300    91,2%    1000");
}

TEST(GuardedDetection, JustShortOfTheRequirementNeverPrintsAsIt) {
    struct Case {
        double detection;
        double required;
        std::string printed;
    };
    const std::vector<Case> cases = {
        {79.96, 80, "79.9"},                      // would print 80.0
        {80.0, 80, "80.0"},                       // exactly the requirement stands
        {80.04, 80, "80.0"},                      // above the requirement stands
        {79.9, 80, "79.9"},                       // already prints below
        {94.99, 95, "94.9"}, {89.94, 90, "89.9"}, // prints below without the guard
    };
    for (const Case& c : cases) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", GuardedDetection(c.detection, c.required));
        EXPECT_EQ(text, c.printed) << c.detection << " against " << c.required;
    }
}

DetectionSide SideWith(const std::vector<NEvaluation>& rows) {
    DetectionSide side;
    for (const NEvaluation& row : rows) {
        side.Automatic.PutAutomatic(row);
        side.Manual.AddManual(row);
    }
    return side;
}

TEST(UpdateDetectionSide, FinalListingMarksTheFirstRowReachingTheRate) {
    DetectionSide side = SideWith({Row(400, 80.0), Row(300, 79.96), Row(1000, 99.0)});
    UpdateDetectionSide(side, -1, EstimationMode::Automatic, 80, '.');
    const std::vector<std::string> expected = {" 300   79.9%    1000", "B 400   80.0%    1000",
                                               "1000   99.0%    1000"};
    EXPECT_EQ(side.TableLines, expected);
    EXPECT_EQ(side.AnswerStore, 400);
    EXPECT_EQ(side.FocusRow, 1);
    EXPECT_TRUE(IsAnswerLine(side.TableLines[1]));
    EXPECT_EQ(PaintedText(side.TableLines[1]), " 400   80.0%    1000");
    EXPECT_EQ(PaintedText(side.TableLines[0]), side.TableLines[0]);
}

TEST(UpdateDetectionSide, NoRowReachingTheRateMeansNoneFound) {
    DetectionSide side = SideWith({Row(200, 12.5), Row(1000, 40.0), Row(5000, 79.96)});
    UpdateDetectionSide(side, -1, EstimationMode::Automatic, 80, '.');
    EXPECT_EQ(side.AnswerStore, AnswerNoneFound);
    EXPECT_EQ(side.FocusRow, 0);
    for (const std::string& line : side.TableLines) {
        EXPECT_FALSE(IsAnswerLine(line)) << line;
    }
}

TEST(UpdateDetectionSide, ProgressListingFocusesTheNInProgress) {
    DetectionSide side = SideWith({Row(200, 95.0), Row(100, 90.0), {150, std::nullopt, 0}});
    UpdateDetectionSide(side, 150, EstimationMode::Automatic, 80, '.');
    const std::vector<std::string> expected = {"100    90.0%    1000", "150",
                                               "200    95.0%    1000"};
    EXPECT_EQ(side.TableLines, expected);
    EXPECT_EQ(side.FocusRow, 1);
    EXPECT_EQ(side.AnswerStore, AnswerNotShown);
}

TEST(UpdateDetectionSide, SpecifiedNListsManualRowsWithoutAnswer) {
    DetectionSide side;
    side.Manual.AddManual(Row(100, 85.0));
    side.Manual.AddManual(Row(100, 86.0));
    side.Manual.AddManual({100, std::nullopt, 0});
    side.Automatic.PutAutomatic(Row(2000, 99.0));
    UpdateDetectionSide(side, 100, EstimationMode::SpecifiedN, 80, '.');
    const std::vector<std::string> expected = {"100    85.0%    1000", "100    86.0%    1000",
                                               "100"};
    EXPECT_EQ(side.TableLines, expected);
    EXPECT_EQ(side.FocusRow, 2);
    EXPECT_EQ(side.AnswerStore, AnswerNotShown);
}

TEST(UpdateDetectionSide, ZeroClearsRowsLinesAnswerAndTotals) {
    DetectionSide side = SideWith({Row(200, 95.0)});
    side.Totals.Add(1.0, 2.0);
    UpdateDetectionSide(side, -1, EstimationMode::Automatic, 80, '.');
    UpdateDetectionSide(side, 0, EstimationMode::Automatic, 80, '.');
    EXPECT_TRUE(side.TableLines.empty());
    EXPECT_TRUE(side.Automatic.Empty());
    EXPECT_TRUE(side.Manual.Empty());
    EXPECT_EQ(side.AnswerStore, AnswerNotShown);
    EXPECT_EQ(side.Totals.Count, 0);
    EXPECT_EQ(side.Totals.SlopeSum, 0.0);
}

TEST(ScrollPositionAfterRefresh, KeepsTheFocusLineInView) {
    struct Case {
        int position, focusRow, lineCount, expected;
    };
    const int h = 15;
    const std::vector<Case> cases = {
        {0, 11, 12, 0},          // twelve lines never scroll
        {0, 10, 13, 2 * h},      // below the 9th visible line
        {0, 8, 13, 0},           // on the 9th visible line
        {10 * h, 12, 40, 9 * h}, // above the 4th visible line
        {2 * h, 2, 40, 0},       // never above the top
        {2 * h + 1, 5, 40, 2 * h + 1},
        {2 * h + 1, 10, 40, 2 * h + 1},
        {2 * h + 1, 11, 40, 3 * h},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScrollPositionAfterRefresh(c.position, h, c.focusRow, c.lineCount), c.expected)
            << "position " << c.position << " focus " << c.focusRow;
    }
}

// Regression: a table showing nine lines left lines 10 to 12 out of sight.
TEST(ScrollPositionAfterRefresh, AShorterTableScrollsOnceItsLinesOutnumberWhatItShows) {
    const int h = 14;
    EXPECT_EQ(ScrollPositionAfterRefresh(0, h, 10, 11, 9), 2 * h);
    EXPECT_EQ(ScrollPositionAfterRefresh(0, h, 8, 9, 9), 0);
    EXPECT_EQ(ScrollPositionAfterRefresh(0, h, 11, 12, 12), 0);
}

TEST(NColumnWidth, IsTheWidthOfTheNumbersFirstColumn) {
    for (const int n : {3, 95, 100, 5000}) {
        const int w = DigitCount(n);
        NEvaluation complete;
        complete.N = n;
        complete.Detection = 80.25;
        complete.Sets = 1000;
        const std::string line = FormatDetectionLine(complete, w, 80, '.');
        EXPECT_EQ(NColumnWidth(line), w) << line;
        EXPECT_EQ(static_cast<int>(line.size()), DetectionLineLength) << line;
        const DetectionColumnSpans spans = DetectionColumns(w);
        EXPECT_EQ(line.substr(spans.Detection.Last - 1, 1), "%") << line;
        EXPECT_NE(line[spans.Sets.Last - 1], ' ') << line;
        NEvaluation running;
        running.N = n;
        EXPECT_EQ(NColumnWidth(FormatDetectionLine(running, w, 80, '.')), w);
    }
}

TEST(DetectionTable, StoredPercentsReadBackFromFifteenDigits) {
    EXPECT_EQ(DetectionPercent(0.2), 80.0);
    EXPECT_EQ(DetectionPercent(1.0), 0.0);
    EXPECT_EQ(DetectionPercent(1.0 / 3.0), 66.6666666666667);
    EXPECT_EQ(StoredPercent(12.3456789012345678), 12.3456789012346);
}

} // namespace
} // namespace kvor
