#include "cli/CliCommands.h"

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/CliSteps.h"
#include "cli/JsonText.h"
#include "studies/AtomicFile.h"
#include "studies/DetailsReport.h"
#include "studies/RunControl.h"
#include "visualise/VisCalculations.h"
#include "visualise/VisRun.h"

#include <memory>
#include <ostream>

namespace kvor::cli {

namespace {

constexpr char DecimalSeparator = '.';

std::string Count(bool computed, int count) {
    return computed ? std::to_string(count) : "null";
}

std::string ExtentJson(const Extent& e) {
    if (e.Min > e.Max) {
        return "null";
    }
    std::string json = "[";
    json += JsonNumber(e.Min);
    json += ',';
    json += JsonNumber(e.Max);
    return json + ']';
}

std::string AxisJson(const AxisScale& a) {
    std::string json = "[";
    for (const std::int32_t v : {a.StartMantissa, a.StartExponent, a.Intervals, a.StepMantissa,
                                 a.StepExponent, a.MinorTicks, a.LabelWidth, a.Decimals}) {
        if (json.size() > 1) {
            json += ',';
        }
        json += std::to_string(v);
    }
    return json + ']';
}

std::string LabelsJson(const VisLabels& l) {
    return "{\"CIDetectionLabel1\":" + JsonString(l.CIDetection1) +
           ",\"CRDetectionLabel1\":" + JsonString(l.CRDetection1) +
           ",\"SpecifiedLabel\":" + JsonString(l.Specified) +
           ",\"CIDetectionLabel2\":" + JsonString(l.CIDetection2) +
           ",\"CRDetectionLabel2\":" + JsonString(l.CRDetection2) + "}";
}

std::string RunResultsJson(const RunResults& r) {
    return "{\"count\":" + std::to_string(r.Count) + ",\"mean_slope\":" + JsonNumber(r.MeanSlope) +
           ",\"mean_intercept\":" + JsonNumber(r.MeanIntercept) +
           ",\"near_identity\":" + (r.NearIdentity ? "true" : "false") +
           ",\"plot_x_min\":" + JsonNumber(r.PlotXMin) +
           ",\"plot_x_max\":" + JsonNumber(r.PlotXMax) +
           ",\"plot_y_min\":" + JsonNumber(r.PlotYMin) +
           ",\"plot_y_max\":" + JsonNumber(r.PlotYMax) + "}";
}

std::string ResultJson(const CliOptions& options, const VisRun& run, const VisRunOutcome& outcome,
                       const VisLabels& labels) {
    const StudyDesign& d = options.Design;
    const VisCounts& c = run.Counts;
    const bool counted = outcome.Completed;
    const bool intervals = counted && run.WithIntervals;
    const bool regions = counted && run.WithRegions;
    const VisExtents& e = run.Extents;
    const std::string refused =
        outcome.Refusal == VisRefusal::None ? "null" : JsonString(VisPlotMessage(outcome.Refusal));
    return std::string("{\"study\":\"visualise\",\"run\":") +
           (options.Vis.Run == VisRunKind::Intervals ? "\"intervals\"" : "\"region\"") +
           ",\"mode\":" +
           (d.EstimationMode == EstimationMode::Automatic ? "\"auto\"" : "\"specified\"") +
           ",\"vis_sets\":" + std::to_string(run.VisSets) +
           ",\"vis_n\":" + std::to_string(run.VisN) + ",\"seed\":" + std::to_string(outcome.Seed) +
           ",\"completed\":" + (outcome.Completed ? "true" : "false") + ",\"refused\":" + refused +
           ",\"counts\":{\"none\":" + Count(intervals, c.Of(BiasType::None)) +
           ",\"proportional\":" + Count(intervals, c.Of(BiasType::Proportional)) +
           ",\"constant\":" + Count(intervals, c.Of(BiasType::Constant)) +
           ",\"both\":" + Count(intervals, c.Of(BiasType::Both)) +
           ",\"region_not_detected\":" + Count(regions, c.RegionNotDetected) +
           ",\"region_detected\":" + Count(regions, c.RegionDetected) +
           "},\"labels\":" + LabelsJson(labels) +
           ",\"extents\":{\"fit_slope\":" + ExtentJson(e.FitSlope) +
           ",\"fit_intercept\":" + ExtentJson(e.FitIntercept) +
           ",\"limit_slope\":" + ExtentJson(e.LimitSlope) +
           ",\"limit_intercept\":" + ExtentJson(e.LimitIntercept) +
           ",\"region_slope\":" + ExtentJson(e.RegionSlope) +
           ",\"region_intercept\":" + ExtentJson(e.RegionIntercept) +
           "},\"axes\":{\"FitSlope\":" + AxisJson(run.FitSlopeAxis) +
           ",\"FitIntercept\":" + AxisJson(run.FitInterceptAxis) +
           ",\"LimitSlope\":" + AxisJson(run.LimitSlopeAxis) +
           ",\"LimitIntercept\":" + AxisJson(run.LimitInterceptAxis) +
           ",\"LinesX\":" + AxisJson(run.LinesXAxis) + ",\"LinesY\":" + AxisJson(run.LinesYAxis) +
           "},\"run_results\":" + RunResultsJson(run.Lines) + "}";
}

std::string Field(bool computed, double value) {
    return computed ? DumpNumber(value) : "";
}

std::string VisDump(const VisRun& run) {
    std::string text = "set\tslope\tintercept\tslope_low\tslope_high\tintercept_low\t"
                       "intercept_high\tbias\tregion_detected\n";
    const bool ci = run.WithIntervals;
    const bool cr = run.WithRegions;
    for (int k = 0; k < run.SetsDone; ++k) {
        text += std::to_string(k + 1) + '\t' + DumpNumber(run.FitSlope[k]) + '\t' +
                DumpNumber(run.FitIntercept[k]) + '\t' + Field(ci, run.SlopeLow[k]) + '\t' +
                Field(ci, run.SlopeHigh[k]) + '\t' + Field(ci, run.InterceptLow[k]) + '\t' +
                Field(ci, run.InterceptHigh[k]) + '\t' +
                (ci ? std::to_string(static_cast<int>(run.SetBias[k])) : "") + '\t' +
                (cr ? std::to_string(run.RegionDetected[k]) : "") + '\n';
    }
    return text;
}

std::string OutlineDump(const VisRun& run) {
    std::string text = "set\tj\tslope\tlower\tupper\n";
    for (int k = 0; run.WithRegions && k < run.SetsDone; ++k) {
        const RegionOutline& o = run.RegionOutline[k];
        for (int j = 0; j < OutlinePoints; ++j) {
            text += std::to_string(k + 1) + '\t' + std::to_string(j + 1) + '\t' +
                    DumpNumber(o.Slope[j]) + '\t' + DumpNumber(o.Lower[j]) + '\t' +
                    DumpNumber(o.Upper[j]) + '\n';
        }
    }
    return text;
}

// Writes the requested dumps; false, with the reason on stderr, when one cannot be written.
bool WriteDumps(const VisualiseOptions& vis, const VisRun& run, CliStreams& streams) {
    bool ok = true;
    const auto write = [&](const std::optional<std::string>& path, const std::string& text) {
        if (!path) {
            return;
        }
        const FileWriteResult written = WriteFileAtomically(*path, text);
        if (!written.Ok) {
            streams.Err << "kvor-cli: " << written.Error << '\n';
            ok = false;
        }
    };
    write(vis.DumpVis, VisDump(run));
    write(vis.DumpOutlines, OutlineDump(run));
    return ok;
}

// The confidence plot of the completed run; false, with the reason on stderr, when not drawn.
bool WritePicture(const CliOptions& options, const VisRun& run, CliStreams& streams) {
    if (!streams.WriteVisPlot) {
        streams.Err << "kvor-cli: this build draws no pictures\n";
        return false;
    }
    const VisPlotKind kind = *options.Vis.Plot;
    const int type = kind == VisPlotKind::Lines ? 0 : kind == VisPlotKind::Intervals ? 1 : 2;
    const std::vector<int> classes = options.Vis.Partition.value_or(std::vector<int>{});
    const std::string error = streams.WriteVisPlot(
        {run, options.Design, options.Vis.Run == VisRunKind::Intervals ? 1 : 2, type,
         options.Vis.Partition.has_value(), classes, *options.PlotOut, options.PlotFormat});
    if (!error.empty()) {
        streams.Err << "kvor-cli: " << error << '\n';
        return false;
    }
    return true;
}

} // namespace

int RunVisualise(const CliOptions& options, CliStreams& streams) {
    for (const auto* path : {&options.Vis.DumpVis, &options.Vis.DumpOutlines}) {
        if (*path) {
            if (const auto reason = UnwritablePath(**path)) {
                streams.Err << "kvor-cli: " << *reason << '\n';
                return ExitUsage;
            }
        }
    }
    CliPool pool;
    if (const auto refused = LoadImport(options, StudyTab::Power, streams, pool)) {
        return *refused;
    }
    if (const auto refused = RefuseDesign(options, StudyTab::Power, pool, streams)) {
        return *refused;
    }
    ProgressLine progress(streams, "data sets");
    RunControl control;
    control.SeedOverride = options.Seed;
    control.DecimalSeparator = DecimalSeparator;
    control.Threads = options.Threads;
    control.Progress = [&progress](int done) { progress.Show(done); };
    VisRunRequest request;
    request.Kind = options.Vis.Run;
    request.VisSets = options.Vis.VisSets;
    request.VisN = *options.Vis.VisN;
    request.Also = !options.Vis.NoAlso;
    auto run = std::make_unique<VisRun>();
    const VisRunOutcome outcome =
        VCalculations(options.Design, pool.ForRun(), request, *run, control);
    const VisLabels labels =
        outcome.Completed
            ? VisResultLabels(*run, request.Kind, options.Design.EstimationMode, DecimalSeparator)
            : VisLabels{};
    const bool written = WriteDumps(options.Vis, *run, streams);
    if (options.Json) {
        streams.Out << ResultJson(options, *run, outcome, labels) << '\n';
    } else if (outcome.Refusal != VisRefusal::None) {
        streams.Out << VisPlotMessage(outcome.Refusal) << '\n';
    } else if (options.Vis.Report && outcome.Completed) {
        streams.Out << ReportPlainText(
            BuildSummary(SummaryOf(options.Design, *run, request.Kind), DecimalSeparator));
    } else {
        for (const std::string* label :
             {&labels.CIDetection1, &labels.CRDetection1, &labels.Specified, &labels.CIDetection2,
              &labels.CRDetection2}) {
            if (!label->empty()) {
                streams.Out << *label << '\n';
            }
        }
    }
    if (!outcome.Completed) {
        return ExitSetFailed;
    }
    if (options.Vis.Plot && !WritePicture(options, *run, streams)) {
        return ExitUsage;
    }
    return written ? ExitOk : ExitUsage;
}

} // namespace kvor::cli
