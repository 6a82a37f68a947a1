#include "cli/CliCommands.h"

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/CliSteps.h"
#include "cli/JsonText.h"
#include "studies/DetectionPanels.h"
#include "studies/PowerRun.h"

#include <memory>
#include <ostream>

namespace kvor::cli {

namespace {

constexpr char DecimalSeparator = '.';

const DetectionTable& RowsOf(const DetectionSide& side, EstimationMode mode) {
    return mode == EstimationMode::Automatic ? side.Automatic : side.Manual;
}

std::string SideJson(const DetectionSide& side, EstimationMode mode) {
    const DetectionPanelTexts panels = PanelTexts(side.AnswerStore, side.Totals, DecimalSeparator);
    const bool answered = side.AnswerStore > AnswerNotShown && side.AnswerStore < AnswerNoneFound;
    std::string json =
        "{\"required_n\":" + (answered ? std::to_string(side.AnswerStore) : std::string("null")) +
        ",\"required_panel\":" + JsonString(panels.RequiredN) + ",\"rows\":[";
    bool first = true;
    for (const NEvaluation& row : RowsOf(side, mode).Rows()) {
        json += std::string(first ? "" : ",") + "{\"n\":" + std::to_string(row.N) +
                ",\"detection\":" + (row.Detection ? JsonNumber(*row.Detection) : "null") +
                ",\"sets\":" + std::to_string(row.Sets) + "}";
        first = false;
    }
    const long long count = side.Totals.Count;
    json += "],\"total_sets\":" + std::to_string(count) +
            ",\"mean_slope\":" + (count > 0 ? JsonNumber(side.Totals.SlopeSum / count) : "null") +
            ",\"mean_intercept\":" +
            (count > 0 ? JsonNumber(side.Totals.InterceptSum / count) : "null") + ",\"lines\":[";
    first = true;
    for (const std::string& line : side.TableLines) {
        json += std::string(first ? "" : ",") + JsonString(PaintedText(line));
        first = false;
    }
    return json + "]}";
}

void PrintSide(const char* title, const DetectionSide& side, std::ostream& out) {
    const DetectionPanelTexts panels = PanelTexts(side.AnswerStore, side.Totals, DecimalSeparator);
    out << title << '\n';
    for (const std::string& line : side.TableLines) {
        out << PaintedText(line) << (IsAnswerLine(line) ? "   <- required N" : "") << '\n';
    }
    out << "Required N: " << panels.RequiredN << '\n'
        << "Total data sets: " << panels.TotalSets << '\n'
        << "Mean Slope: " << panels.MeanSlope << '\n'
        << "Intercept: " << panels.MeanIntercept << '\n';
}

int ReportFailure(const CliOptions& options, const PowerRunOutcome& outcome, CliStreams& streams) {
    if (!outcome.Failure) {
        streams.Out << "The Power run ended without results.\n";
        return ExitSetFailed;
    }
    const auto& failed = *outcome.Failure;
    PrintFailedSet(options, "power", failed, streams);
    return ExitSetFailed;
}

} // namespace

int RunPower(const CliOptions& options, CliStreams& streams) {
    CliPool pool;
    if (const auto refused = LoadImport(options, StudyTab::Power, streams, pool)) {
        return *refused;
    }
    if (const auto refused = RefuseDesign(options, StudyTab::Power, pool, streams)) {
        return *refused;
    }
    ProgressLine progress(streams, "data sets fitted");
    long long fitted = 0;
    PowerRunControl control;
    control.SeedOverride = options.Seed;
    control.Threads = options.Threads;
    control.DecimalSeparator = DecimalSeparator;
    control.Progress = [&](int) { progress.Show(++fitted); };
    auto results = std::make_unique<PowerResults>();
    const PowerRunOutcome outcome = PCalculations(options.Design, pool.ForRun(), *results, control);
    if (!outcome.Completed) {
        return ReportFailure(options, outcome, streams);
    }
    const StudyDesign& d = options.Design;
    if (options.Json) {
        streams.Out << "{\"study\":\"power\",\"mode\":"
                    << (d.EstimationMode == EstimationMode::Automatic ? "\"auto\""
                                                                      : "\"specified\"")
                    << ",\"detection\":" << d.DetectionRate
                    << ",\"significance\":" << JsonNumber(d.Significance)
                    << ",\"intervals\":" << SideJson(results->Intervals, d.EstimationMode)
                    << ",\"region\":" << SideJson(results->Region, d.EstimationMode) << "}\n";
    } else {
        PrintSide("Confidence Intervals", results->Intervals, streams.Out);
        PrintSide("Confidence Region", results->Region, streams.Out);
    }
    return ExitOk;
}

} // namespace kvor::cli
