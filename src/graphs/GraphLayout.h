#pragma once

#include "engine/AxisScale.h"
#include "graphs/TextMeasurer.h"

#include <functional>
#include <string>

namespace kvor {

// Segment count and length for a dashed line of L pixels (L >= 69 in use).
struct DashLayoutResult {
    int Count;
    int Length;
};
DashLayoutResult DashLayout(int L);

// A dashed line of L pixels cut into Count segments (odd: dash, gap, ..., dash) of Length
// pixels, the first Longer of them one pixel longer.
struct DashedLine {
    int Count;
    int Length;
    int Longer;
};
DashedLine SegmentDashedLine(int L, int S);
// Offset of segment i (0-based) from the start of the line; i = Count gives L.
int DashSegmentStart(const DashedLine& line, int i);

// rnd(x): nearest integer, halves to even.
int Rnd(long double x);

// Unit d of a graph laid out Wg pixels wide, as if 7 inches wide at d pixels per inch.
int GraphUnit(int graphWidth);
// A length in points as pixels at unit d.
int PointsToPixels(int d, long double points);
// Pen width d x w div 288, at least 1 (w = 4 for axes and reference lines, 1 for data lines).
int PenWidth(int d, int w);

// Point size to request for a font of preset size s on screen; negative, i.e. a character
// height, so that text grows with the picture.
int ScreenFontPointSize(int s, int d, int pixelsPerInch);
// Character-cell height in pixels that the screen point size asks for on a device of
// pixelsPerInch.
int ScreenFontCellPixels(int s, int d, int pixelsPerInch);
// Point size of a preset size s on paper with font scale b (percent).
int PrintFontPointSize(int s, int b);

// Placement of one axis along its plot length.
struct AxisGeometry {
    int Gap = 0;         // pixels between the plot edge and the first tick
    int ScaleLength = 0; // pixels from the first tick to the axis end
    int Length = 0;      // Gap + ScaleLength, the plot width or height
    double PixelsPerUnit = 0;
    double EdgeValue = 0; // data value at the plot edge (left or bottom)
};

// What an axis needs for layout: its ends, interval count and whether it leaves a gap.
struct AxisExtent {
    double Start = 0;
    double End = 1;
    int Intervals = 1;
    bool Gap = false;
};
// The extent of a linear axis; it has a gap when it does not start at zero.
AxisExtent LinearAxisExtent(const AxisScale& axis);

// Rounds `available` pixels down to whole intervals, after the gap when there is one.
AxisGeometry LayOutAxis(int available, const AxisExtent& extent);

struct GraphLayoutInput {
    int GraphWidth = 0;
    AxisExtent X;
    AxisExtent Y;
    // Allowance for the vertical axis title: YTitleFactor x h(YTitleText, axis titles).
    std::string YTitleText;
    double YTitleFactor = 1.0;
    // Tick labels as measured (see FormatAxisLabelGeneral).
    std::string YStartLabel;
    std::string YEndLabel;
    std::string XEndLabel;
    int AspectPercent = 100;
    int MajorTickLength = 6;
    bool ShowTitle = true;
    // The top margin with a title is at least TitleFactor x h("A", title).
    double TitleFactor = 3.2;
    // Room for curve labels beside the plot, when a graph needs it.
    int MinRightMargin = 0;
};

struct GraphLayout {
    int Unit = 0;
    int AxisPen = 0;
    int LeftMargin = 0;
    int RightMargin = 0;
    int TopMargin = 0;
    AxisGeometry X;
    AxisGeometry Y;
    int GraphHeight = 0;
};

// The layout of a graph picture of width GraphWidth: margins, plot size, scales and height.
GraphLayout LayOutGraph(const GraphLayoutInput& input, const TextMeasurer& measurer);

struct PictureFit {
    int GraphWidth = 0;
    int Unit = 0;
    int GraphHeight = 0;
    int AvailableHeight = 0;
    bool Shrunk = false;
    int Left = 0; // graph position, centred in the picture
    int Top = 0;
};

// Fits a graph into a W x H picture with marginPercent on each side: the graph width starts
// at the available width and is reduced once, in proportion, when the graph is too high.
// graphHeight lays the graph out at a given width and returns its height.
PictureFit FitGraphIntoPicture(int W, int H, int marginPercent,
                               const std::function<int(int graphWidth)>& graphHeight);

} // namespace kvor
