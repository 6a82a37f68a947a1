#pragma once

#include "engine/AxisScale.h"
#include "engine/StudyDesign.h"

#include <optional>
#include <string>
#include <vector>

namespace kvor {

struct GraphOptions;
struct RunResults;

enum class SampleLinesType { Lines = 1, ParameterSpace = 2 };

// Fills the zero-origin, range (unless the zero origin is forced) and parameter-space axis pairs.
void PrepareSampleLinesAxes(RunResults& results, bool zeroOriginForced);

// Parameter Space can be offered only when both of its axes exist.
bool ParameterSpaceAvailable(const RunResults& results);

struct AxisPair {
    AxisScale X;
    AxisScale Y;
};
// The pair a drawing of the type uses.
AxisPair AssignAxesParams(const RunResults& results, SampleLinesType type, bool zeroOrigin);

// A new Samples entry chooses the point size afresh from the number of stored sets; the same
// entry keeps the user's choice.
void ChoosePointSize(GraphOptions& options, int samplesEntry, int storedSets);

// The Accuracy run's end fixes the zero-origin choice and clears Extend Lines.
void SetLinesOptionsAfterRun(GraphOptions& options, bool zeroOrigin);

// " OLS ", " WLS " or " Deming ", as captions and titles name the regression.
const char* RegressionText(RegressionType regression);

std::string SampleLinesCaption(RegressionType regression);
std::string SampleLinesTitle1(RegressionType regression, int sets, int setSize);
std::string SampleLinesTitle2(double trueSlope, double trueIntercept, char decimalSeparator);

struct LineSegment {
    double X0 = 0;
    double Y0 = 0;
    double X1 = 0;
    double Y1 = 0;
};
// The part of Y = slope x X + intercept inside [xLeft, xEnd] x [yBottom, yEnd]; none when the
// line misses the rectangle or its visible part would begin at a negative X. A horizontal
// line inside the Y range runs across the whole width.
std::optional<LineSegment> ClipTrueLine(double slope, double intercept, double xLeft, double xEnd,
                                        double yBottom, double yEnd);

// Alternating dash and gap lengths, measured along a dashed diagonal of rounded pixel length L
// drawn with pen width t and segment length S; they add up to L.
std::vector<int> DiagonalDashPieces(int L, int t, int S);

} // namespace kvor
