#pragma once

#include "engine/AxisScale.h"
#include "graphs/GraphLayout.h"

class QPaintDevice;
class QPainter;

namespace kvor {

// The two output-mode flags that DrawGraph consults; both clear for the clipboard and files.
struct OutputMode {
    bool OnScreen = false;
    bool OnPaper = false;
};

// What the last layout fixed and the screen picture's redrawing and mouse handling rely on.
struct GraphGeometry {
    GraphLayout Layout;
    AxisScale XAxis;
    AxisScale YAxis;
    int Left = 0;
    int Top = 0;
};

// A graph that lays itself out and draws on any device. Every output (screen picture, bitmap,
// metafile, printer) goes through these two operations only.
class TGraph {
public:
    virtual ~TGraph() = default;

    // Lays the graph out Wg units wide with unit d on the device; fontScale 0 is the screen
    // rule, b > 0 point sizes rnd(b x s / 100). Fixes the layout of the next DrawGraph.
    virtual int GetGraphHeight(const QPaintDevice& device, int d, int Wg, int fontScale) = 0;
    // Draws the whole graph with its top-left corner at (left, top) in a W x H picture.
    virtual void DrawGraph(QPainter& painter, int W, int top, int left, int fontScale, int d, int G,
                           int Wg, int H) = 0;

    OutputMode Mode;
    GraphGeometry Geometry;
};

// Keeps the screen geometry and output mode of a graph across an export or a print, whatever
// happens in between.
class ScreenGeometryGuard {
public:
    ScreenGeometryGuard(TGraph& graph, OutputMode mode)
        : m_graph(graph), m_mode(graph.Mode), m_geometry(graph.Geometry) {
        graph.Mode = mode;
    }
    ~ScreenGeometryGuard() {
        m_graph.Mode = m_mode;
        m_graph.Geometry = m_geometry;
    }
    ScreenGeometryGuard(const ScreenGeometryGuard&) = delete;
    ScreenGeometryGuard& operator=(const ScreenGeometryGuard&) = delete;

private:
    TGraph& m_graph;
    OutputMode m_mode;
    GraphGeometry m_geometry;
};

} // namespace kvor
