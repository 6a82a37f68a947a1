#pragma once

#include "graphs/ui/Graph.h"
#include "visualise/VisPlotModel.h"

#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace kvor {

class GraphPainter;
struct GraphOptions;
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
    // Sets of each class to draw, in drawing order; code -1 stands for every set unpartitioned.
    struct ClassSets {
        int Code;
        std::vector<int> Sets;
    };
    std::vector<ClassSets> Classes() const;
    void PlotShapes(QPainter& painter, int pen) const;
    void PlotPoints(QPainter& painter, int d) const;
    void DashedRefLines(GraphPainter& canvas, const PowerEntries& entries) const;

    const VisRun& m_run;
    const GraphOptions& m_options;
    std::function<PowerEntries()> m_entries;
};

} // namespace kvor
