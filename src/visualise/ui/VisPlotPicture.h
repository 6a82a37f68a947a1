#pragma once

#include "visualise/VisPartition.h"

#include <string>
#include <vector>

namespace kvor {

struct StudyDesign;
struct VisRun;

// What the command line asks of the confidence plot: the graph type, and for the partition view
// the classes in checking order.
struct VisPictureRequest {
    int RunSelector = 1; // 1 intervals run, 2 region run
    VisGraphType Type = VisGraphType::Intervals;
    bool Partitioned = false;
    std::vector<int> Classes;
    std::string File;
    std::string Format;
};

// Draws the plot as the dialog exports it with its start settings, refusing what the dialog
// would not offer for the run. Returns why it was not written, or nothing.
std::string WriteVisPlotPicture(const VisRun& run, const StudyDesign& design,
                                const VisPictureRequest& request);

} // namespace kvor
