#pragma once

#include "graphs/GraphOptions.h"
#include "graphs/ui/Graph.h"
#include "visualise/VisPlotModel.h"

#include <functional>
#include <string>
#include <vector>

class QPainter;
class QPen;

namespace kvor {

class GraphPainter;
struct VisRun;

// The sets of one visualisation run in the Slope-Intercept plane (intervals, regions, their
// partitions) or as sampling lines; shared by the screen, the files, the clipboard and the
// printer.
class TVisPlotGraph final : public TGraph {
public:
    TVisPlotGraph(const VisRun& run, const GraphOptions& options,
                  std::function<PowerEntries()> entries);

    int GetGraphHeight(const QPaintDevice& device, int d, int Wg, int fontScale) override;
    void DrawGraph(QPainter& painter, int W, int top, int left, int fontScale, int d, int G, int Wg,
                   int H) override;

    PlotMode Plot = PlotMode::Intervals;
    bool Partitioned = false;   // PartRB: only the classes of Selection
    std::vector<int> Selection; // class codes of the kind shown, in drawing order
    bool DataOnTop = true;      // DOTCB
    std::string Title1;
    char DecimalSeparator = '.';

private:
    std::vector<int> AllSets() const;
    QPen ShapePen(const QPainter& painter, RgbColour colour, int width) const;
    void DrawRectangles(QPainter& painter, const std::vector<int>& sets, const QPen& pen) const;
    void DrawOutlines(QPainter& painter, const std::vector<int>& sets, const QPen& pen) const;
    void DrawPoints(QPainter& painter, int d, const std::vector<int>& sets) const;
    // Rectangles and outlines in the pen width given, every set or the selected classes.
    void PlotCI(QPainter& painter, int pen) const;
    void PlotCIPart(QPainter& painter, int pen) const;
    void PlotCR(QPainter& painter, int pen) const;
    void PlotCRPart(QPainter& painter, int pen) const;
    void PlotPoints(QPainter& painter, int d) const;
    void PlotPartCIPoints(QPainter& painter, int d) const;
    void PlotPartCRPoints(QPainter& painter, int d) const;
    void PlotLines(QPainter& painter, int d) const;
    void DashedRefLines(GraphPainter& canvas, const PowerEntries& entries) const;
    void DashedDiagonalLine(GraphPainter& canvas, const PowerEntries& entries) const;

    const VisRun& m_run;
    const GraphOptions& m_options;
    std::function<PowerEntries()> m_entries;
};

} // namespace kvor
