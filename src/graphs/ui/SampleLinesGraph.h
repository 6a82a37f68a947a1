#pragma once

#include "graphs/SampleLinesModel.h"
#include "graphs/ui/Graph.h"

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
