#pragma once

#include "engine/StudyDesign.h"
#include "import/ImportXY.h"
#include "visualise/VisTexts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvor::cli {

enum class Command { Help, Version, Accuracy, Power, Check, VFCheck, Visualise };
enum class Tab { Accuracy, Power };
// Lines and ParameterSpace draw an accuracy run, the others the variance-function plot.
enum class PlotKind { Lines, ParameterSpace, Variance, SD, CV };
enum class VisPlotKind { Intervals, Regions, Lines };

inline constexpr int MaxThreads = 256;

// Every core the machine reports.
int DefaultThreads();

// What the visualise command adds to the Power tab's design.
struct VisualiseOptions {
    std::optional<int> VisN; // required
    int VisSets = 250;
    VisRunKind Run = VisRunKind::Intervals;
    bool NoAlso = false;
    std::optional<std::string> DumpVis;
    std::optional<std::string> DumpOutlines;
    bool Report = false; // print the details report of the run
    // The confidence plot's picture: --plot intervals|regions|lines, and --partition's classes
    // (codes of the kind, in checking order) for the partition view.
    std::optional<VisPlotKind> Plot;
    std::optional<std::vector<int>> Partition;
};

struct CliOptions {
    kvor::cli::Command Command = Command::Help;
    StudyDesign Design;
    bool Json = false;
    std::optional<std::uint32_t> Seed;
    int Threads = DefaultThreads(); // --threads; 1 is the sequential run
    std::optional<std::string> DumpSets;
    std::optional<std::string> DumpFits;
    std::optional<std::string> ExportFailed;
    std::optional<std::string> ImportFile;
    FieldSeparator Separator;
    kvor::cli::Tab Tab = Tab::Accuracy;
    VisualiseOptions Vis;
    // The sampling-lines picture of the run (or the variance-function plot of vfcheck): --plot,
    // --plot-out and its format (bmp, emf, png, pdf), given or taken from the extension.
    std::optional<PlotKind> Plot;
    std::optional<std::string> PlotOut;
    std::string PlotFormat;
};

struct CliParse {
    bool Ok = false;
    std::string Error; // one line naming the option and what it accepts
    CliOptions Options;
};

// Reads the command line (without the program name). Values are range-checked as the window's
// controls check them; nothing is run and no file is touched.
CliParse ParseCliOptions(const std::vector<std::string>& args);

} // namespace kvor::cli
