#pragma once

#include "engine/DigitCount.h"
#include "engine/StudyDesign.h"
#include "studies/DetectionTable.h"

#include <string>
#include <vector>

namespace kvor {

// Answer store values besides a Required N of 1..5000.
inline constexpr int AnswerNotShown = 0;
inline constexpr int AnswerNoneFound = 5001;

// Tables scroll to keep their focus line in view only when they have more lines than this.
inline constexpr int ScrollFreeLines = 12;

// What one side of the detection results (intervals or region) holds and shows.
struct DetectionSide {
    DetectionTable Automatic;
    DetectionTable Manual;
    CriterionTotals Totals;
    std::vector<std::string> TableLines; // a line starting with the answer mark is the answer
    int FocusRow = 0;
    int AnswerStore = AnswerNotShown;
};

// A rate just short of the required one never prints as the required value: it is lowered by
// 0.1 when the two would print alike with one decimal.
double GuardedDetection(double detection, double requiredRate);

// "%wd%(11-w).1f%%%8d" for a complete row (with the guarded percent), N alone for one in progress.
std::string FormatDetectionLine(const NEvaluation& row, int w, double requiredRate,
                                char decimalSeparator);

// n = 0 clears the side; any other n rebuilds its lines from the rows of the current mode.
void UpdateDetectionSide(DetectionSide& side, int n, EstimationMode mode, double requiredRate,
                         char decimalSeparator);

void ClearDetectionSide(DetectionSide& side);

bool IsAnswerLine(const std::string& line);
// The text painted for a line: the answer line without its mark.
std::string PaintedText(const std::string& line);

// The scroll position after a refresh: long tables keep the focus line between the 3rd and the
// 9th visible line. A table that shows fewer than ScrollFreeLines lines (visibleLines) already
// scrolls once its lines outnumber what it shows, so the focus line is never out of sight.
int ScrollPositionAfterRefresh(int position, int rowHeight, int focusRow, int lineCount,
                               int visibleLines = ScrollFreeLines);

// The N column of a painted table line ends after its first number: its width w.
int NColumnWidth(const std::string& paintedLine);

// Character columns [First, Last) of the three column heads of a table whose N column is w wide:
// N, the detection percent with its sign, and the data-set count.
struct CharColumns {
    int First;
    int Last;
};
struct DetectionColumnSpans {
    CharColumns N;
    CharColumns Detection;
    CharColumns Sets;
};
DetectionColumnSpans DetectionColumns(int w);

// Characters in a complete table line, whatever w.
inline constexpr int DetectionLineLength = 20;

} // namespace kvor
