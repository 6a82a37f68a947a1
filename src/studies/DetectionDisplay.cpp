#include "studies/DetectionDisplay.h"

#include "engine/ExtendedMath.h"
#include "studies/PowerTexts.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace kvor {

namespace {

std::string Printed(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace

double GuardedDetection(double detection, double requiredRate) {
    const ext gap = static_cast<ext>(requiredRate) - detection;
    if (requiredRate > detection && gap < 0.1L &&
        Printed("%6.1f", detection) == Printed("%6.1f", requiredRate)) {
        return ToDouble(detection - 0.1L);
    }
    return detection;
}

std::string FormatDetectionLine(const NEvaluation& row, int w, double requiredRate,
                                char decimalSeparator) {
    char text[64];
    if (row.InProgress()) {
        std::snprintf(text, sizeof text, "%*d", w, row.N);
        return text;
    }
    const double shown = GuardedDetection(*row.Detection, requiredRate);
    std::snprintf(text, sizeof text, "%*d%*.1f%%%8d", w, row.N, 11 - w, shown, row.Sets);
    if (char* point = std::strchr(text, '.')) {
        *point = decimalSeparator;
    }
    return text;
}

void ClearDetectionSide(DetectionSide& side) {
    side.TableLines.clear();
    side.Automatic.Clear();
    side.Manual.Clear();
    side.FocusRow = 0;
    side.AnswerStore = AnswerNotShown;
    side.Totals = CriterionTotals{};
}

namespace {

int WidthOf(const DetectionTable& table) {
    return table.Empty() ? 1 : DigitCount(table.Rows().back().N);
}

void ListRows(DetectionSide& side, const DetectionTable& table, double requiredRate,
              char decimalSeparator) {
    const int w = WidthOf(table);
    const auto& rows = table.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].InProgress()) {
            side.FocusRow = static_cast<int>(i);
        }
        side.TableLines.push_back(FormatDetectionLine(rows[i], w, requiredRate, decimalSeparator));
    }
}

void ListFinal(DetectionSide& side, double requiredRate, char decimalSeparator) {
    const auto& rows = side.Automatic.Rows();
    const int w = WidthOf(side.Automatic);
    side.AnswerStore = AnswerNoneFound;
    bool answered = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string line = FormatDetectionLine(rows[i], w, requiredRate, decimalSeparator);
        if (!answered && !rows[i].InProgress() &&
            GuardedDetection(*rows[i].Detection, requiredRate) >= requiredRate) {
            answered = true;
            line.insert(line.begin(), PowerTexts::AnswerMark);
            side.FocusRow = static_cast<int>(i);
            side.AnswerStore = rows[i].N;
        }
        side.TableLines.push_back(std::move(line));
    }
}

} // namespace

void UpdateDetectionSide(DetectionSide& side, int n, EstimationMode mode, double requiredRate,
                         char decimalSeparator) {
    if (n == 0) {
        ClearDetectionSide(side);
        return;
    }
    side.TableLines.clear();
    side.FocusRow = 0;
    side.AnswerStore = AnswerNotShown;
    if (mode == EstimationMode::SpecifiedN) {
        ListRows(side, side.Manual, requiredRate, decimalSeparator);
        return;
    }
    const auto& rows = side.Automatic.Rows();
    const bool inProgress =
        std::any_of(rows.begin(), rows.end(), [](const NEvaluation& r) { return r.InProgress(); });
    if (inProgress) {
        ListRows(side, side.Automatic, requiredRate, decimalSeparator);
    } else {
        ListFinal(side, requiredRate, decimalSeparator);
    }
}

bool IsAnswerLine(const std::string& line) {
    return !line.empty() && line.front() == PowerTexts::AnswerMark;
}

std::string PaintedText(const std::string& line) {
    return IsAnswerLine(line) ? line.substr(1) : line;
}

int ScrollPositionAfterRefresh(int position, int rowHeight, int focusRow, int lineCount,
                               int visibleLines) {
    if (lineCount <= std::min(ScrollFreeLines, visibleLines) || rowHeight <= 0) {
        return position;
    }
    const int top = position / rowHeight;
    if (focusRow > top + 8) {
        return (focusRow - 8) * rowHeight;
    }
    if (focusRow < top + 3) {
        return std::max(0, (focusRow - 3) * rowHeight);
    }
    return position;
}

int NColumnWidth(const std::string& paintedLine) {
    const std::size_t digits = paintedLine.find_first_not_of(' ');
    if (digits == std::string::npos) {
        return 1;
    }
    const std::size_t end = paintedLine.find(' ', digits);
    return static_cast<int>(end == std::string::npos ? paintedLine.size() : end);
}

DetectionColumnSpans DetectionColumns(int w) {
    return {{0, w}, {w, 12}, {12, DetectionLineLength}};
}

} // namespace kvor
