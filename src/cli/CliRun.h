#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace kvor {
struct GraphOptions;
struct RunResults;
struct StudyDesign;
struct VFCurveSet;
struct VisRun;
} // namespace kvor

namespace kvor::cli {

struct CliOptions;

inline constexpr int ExitOk = 0;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitSetFailed = 3;
inline constexpr int ExitDesignRefused = 4;
inline constexpr int ExitImportRefused = 5;

// What a picture of the run needs; the writer returns why it failed, or nothing.
struct PlotRequest {
    const RunResults& Results;
    const StudyDesign& Design;
    bool ParameterSpace = false;
    bool ZeroOrigin = false;
    std::string File;
    std::string Format;
};
using PlotWriter = std::function<std::string(const PlotRequest&)>;

// What the variance-function picture needs: the curve set and options the checks completed and
// the graph type (1 variance, 2 SD, 3 CV (%)).
struct VFPlotRequest {
    const VFCurveSet& Set;
    const GraphOptions& Options;
    int GraphType = 1;
    std::string File;
    std::string Format;
};
using VFPlotWriter = std::function<std::string(const VFPlotRequest&)>;

// What the confidence plot's picture needs: Type 0 sampling lines, 1 intervals, 2 regions; the
// classes in checking order for the partition view.
struct VisPlotRequest {
    const VisRun& Run;
    const StudyDesign& Design;
    int RunSelector = 1;
    int Type = 1;
    bool Partitioned = false;
    std::vector<int> Classes;
    std::string File;
    std::string Format;
};
using VisPlotWriter = std::function<std::string(const VisPlotRequest&)>;

struct CliStreams {
    std::ostream& Out;
    std::ostream& Err;
    bool ShowProgress = false; // stderr is a terminal
    PlotWriter WritePlot;      // empty in a build without pictures
    VFPlotWriter WriteVFPlot;  // the same
    VisPlotWriter WriteVisPlot = {};
};

// Carries out a parsed command line; returns the exit status.
int RunCli(const CliOptions& options, CliStreams& streams);

} // namespace kvor::cli
