#pragma once

#include "graphs/SampleLinesModel.h"
#include "graphs/ui/Graph.h"

#include <QPen>

#include <functional>
#include <string>

namespace kvor {

struct GraphOptions;
struct RunResults;

// The true values as the Accuracy tab's entries hold them when the graph is drawn.
struct TrueValues {
    double Slope = 1;
    double Intercept = 0;
};

class GraphPainter;
struct PlotFrame;

// Each set's fitted line over its own X range (or from `left` to `end` when extending), in
// one pen.
void PlotSampleLines(QPainter& painter, const PlotFrame& frame, const RunResults& results,
                     const QPen& pen, bool extend, double left, double end);

// The dashed line Y = slope x X + intercept within the plot's data range, when it shows.
void DashedTrueLine(GraphPainter& canvas, double slope, double intercept);

// The sampling lines or parameter space of an Accuracy run's sets.
class TSampleLinesGraph final : public TGraph {
public:
    TSampleLinesGraph(const RunResults& results, const GraphOptions& options,
                      std::function<TrueValues()> trueValues);

    int GetGraphHeight(const QPaintDevice& device, int d, int Wg, int fontScale) override;
    void DrawGraph(QPainter& painter, int W, int top, int left, int fontScale, int d, int G, int Wg,
                   int H) override;

    SampleLinesType Type = SampleLinesType::Lines;
    std::string Title1;
    char DecimalSeparator = '.';

private:
    void PlotLines(QPainter& painter, int d) const;
    void PlotPoints(QPainter& painter, int d) const;
    void DrawTrue(class GraphPainter& canvas, const TrueValues& truth) const;

    const RunResults& m_results;
    const GraphOptions& m_options;
    std::function<TrueValues()> m_trueValues;
};

} // namespace kvor
