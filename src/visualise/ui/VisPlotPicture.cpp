#include "visualise/ui/VisPlotPicture.h"

#include "engine/StudyDesign.h"
#include "graphs/GraphOptions.h"
#include "graphs/ui/GraphPicture.h"
#include "visualise/VisPlotModel.h"
#include "visualise/VisRun.h"
#include "visualise/ui/VisPlotGraph.h"

namespace kvor {

namespace {

// Why the dialog would not show the request for this run; empty when it would.
std::string Unavailable(const VisRun& run, const VisPictureRequest& request) {
    const PartitionFlags flags = PartitionFlagsOf(run);
    const GraphTypeAvailability types = GraphTypesOf(request.RunSelector, run, flags);
    if (request.Type == VisGraphType::Intervals && !types.CIRadioButton) {
        return "the run computed no confidence intervals";
    }
    if (request.Type == VisGraphType::Regions && !types.CRRadioButton) {
        return "the run computed no confidence regions";
    }
    if (request.Partitioned) {
        const bool canPartition = request.Type == VisGraphType::Regions
                                      ? flags.CanPartitionRegions
                                      : flags.CanPartitionIntervals;
        if (!canPartition) {
            return "the run's sets are all of one class and cannot be partitioned";
        }
    }
    return {};
}

} // namespace

std::string WriteVisPlotPicture(const VisRun& run, const StudyDesign& design,
                                const VisPictureRequest& request) {
    if (const std::string why = Unavailable(run, request); !why.empty()) {
        return why;
    }
    GraphOptions options = VisualisationGraphOptions();
    options.PointSize = 4;
    const PowerEntries entries{design.TrueSlope, design.TrueIntercept, design.ActualSlope,
                               design.ActualIntercept, design.DataSource == DataSource::Import};
    TVisPlotGraph graph(run, options, [entries] { return entries; });
    graph.Title1 = VisPlotTitle1(design.Regression, run.VisSets, run.VisN);
    graph.Plot =
        PlotModeOf(request.Partitioned, request.Type, request.Type == VisGraphType::Regions);
    graph.Partitioned = request.Partitioned;
    if (RegionMode(graph.Plot)) {
        RegionClassSelection chosen;
        for (const int code : request.Classes) {
            chosen.AddBiasType(code);
        }
        graph.Selection = chosen.Codes();
    } else {
        IntervalClassSelection chosen;
        for (const int code : request.Classes) {
            chosen.AddBiasType(code);
        }
        graph.Selection = chosen.Codes();
    }
    return WriteGraphPicture(graph, request.File, request.Format);
}

} // namespace kvor
