#include "graphs/ui/VarianceFunctionsPicture.h"

#include "graphs/GraphOptions.h"
#include "graphs/VFCurveSet.h"
#include "graphs/ui/GraphPicture.h"
#include "graphs/ui/VarianceFunctionsGraph.h"

namespace kvor {

std::string WriteVarianceFunctionsPicture(const VFCurveSet& set, const GraphOptions& options,
                                          VFGraphType type, const std::string& file,
                                          const std::string& format) {
    VFCurveSet plotted = set;
    plotted.GraphType = type;
    GraphOptions start = options;
    ApplyFontPreset(start);
    bool cvPossible = false;
    for (const VFCurve& curve : plotted.Curves) {
        cvPossible = cvPossible || (curve.Plottable && curve.CvPossible);
    }
    if (type == VFGraphType::CV && !cvPossible) {
        return "no plotted function has a CV below 100%, so there is no CV (%) plot";
    }
    TVarianceFunctionsGraph graph(plotted, start);
    graph.Title = std::string(VFCaption(plotted).substr(1));
    return WriteGraphPicture(graph, file, format);
}

} // namespace kvor
