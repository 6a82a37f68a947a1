#include "cli/CliCommands.h"

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/CliSteps.h"
#include "cli/JsonText.h"
#include "engine/DataSet.h"
#include "engine/RegressionOutcome.h"
#include "engine/RunResults.h"
#include "studies/AccuracyRun.h"
#include "studies/FailedSetExport.h"

#include <fstream>
#include <memory>
#include <ostream>

namespace kvor::cli {

namespace {

constexpr char DecimalSeparator = '.';

const char* const EnclosureNames[6] = {"slope95",     "slope99",  "intercept95",
                                       "intercept99", "region95", "region99"};

std::string EstimateJson(const EstimateSummary& e) {
    return "{\"mean\":" + JsonNumber(e.Mean) + ",\"sd\":" + JsonNumber(e.SD) +
           ",\"z\":" + (e.HasZ ? JsonNumber(e.Z) : "null") +
           ",\"p\":" + (e.HasZ ? JsonNumber(e.P) : "null") + "}";
}

std::string ResultsJson(const StudyDesign& design, std::uint32_t seed, const AccuracyResults& r) {
    std::string json =
        "{\"study\":\"accuracy\",\"n\":" + std::to_string(design.N) +
        ",\"sets\":" + std::to_string(design.SetsPerRun) + ",\"seed\":" + std::to_string(seed) +
        ",\"valid_count\":" + std::to_string(r.ValidCount) + ",\"slope\":" + EstimateJson(r.Slope) +
        ",\"intercept\":" + EstimateJson(r.Intercept) + ",\"enclosure\":{";
    for (int i = 0; i < 6; ++i) {
        const std::string share =
            r.ValidCount == 0 ? "null" : JsonNumber(100.0 * r.Enclosed[i] / r.ValidCount);
        json += std::string(i ? ",\"" : "\"") + EnclosureNames[i] + "\":" + share;
    }
    json += "},\"panels\":{";
    bool first = true;
    for (const auto& [name, text] : r.Panels.Named()) {
        json += std::string(first ? "" : ",") + JsonString(name) + ":" + JsonString(text);
        first = false;
    }
    return json + "}}";
}

// Dump files, opened only once the design has passed its checks.
struct Dumps {
    std::ofstream Sets;
    std::ofstream Fits;
    bool Failed() const { return (Sets.is_open() && !Sets) || (Fits.is_open() && !Fits); }
};

void WriteSet(std::ofstream& out, int set, const DataSet& data) {
    const std::string prefix = std::to_string(set) + '\t';
    for (int i = 0; i < data.N; ++i) {
        out << prefix << i + 1 << '\t' << DumpNumber(data.X[i]) << '\t' << DumpNumber(data.Y[i])
            << '\n';
    }
}

void WriteFit(std::ofstream& out, int set, const RegressionOutcome& fit) {
    out << set << '\t' << DumpNumber(fit.Slope) << '\t' << DumpNumber(fit.Intercept) << '\t'
        << DumpNumber(fit.SESlope) << '\t' << DumpNumber(fit.SEIntercept) << '\t' << fit.Valid
        << '\t' << fit.FailCode << '\t' << fit.In95SlopeCI << '\t' << fit.In99SlopeCI << '\t'
        << fit.In95InterceptCI << '\t' << fit.In99InterceptCI << '\t' << fit.In95CR << '\t'
        << fit.In99CR << '\n';
}

std::optional<int> OpenDumps(const CliOptions& options, Dumps& dumps, CliStreams& streams) {
    if (options.DumpSets) {
        dumps.Sets.open(*options.DumpSets, std::ios::binary | std::ios::trunc);
        dumps.Sets << "set\ti\tx\ty\n";
    }
    if (options.DumpFits) {
        dumps.Fits.open(*options.DumpFits, std::ios::binary | std::ios::trunc);
        dumps.Fits << "set\tslope\tintercept\tse_slope\tse_intercept\tvalid\tfail_code\t"
                      "in95_slope\tin99_slope\tin95_intercept\tin99_intercept\tin95_region\t"
                      "in99_region\n";
    }
    if ((options.DumpSets && !dumps.Sets) || (options.DumpFits && !dumps.Fits)) {
        streams.Err << "kvor-cli: cannot open the dump file\n";
        return ExitUsage;
    }
    return std::nullopt;
}

int ReportFailure(const CliOptions& options, const FailedSet& failed, CliStreams& streams) {
    PrintFailedSet(options, "accuracy", failed, streams);
    if (options.ExportFailed) {
        const FileWriteResult written =
            ExportFailedSet(*options.ExportFailed, failed, DecimalSeparator);
        if (!written.Ok) {
            streams.Err << "kvor-cli: " << FailedSetExportError << " (" << written.Error << ")\n";
        }
    }
    return ExitSetFailed;
}

} // namespace

int RunAccuracy(const CliOptions& options, CliStreams& streams) {
    for (const auto* path : {&options.DumpSets, &options.DumpFits, &options.ExportFailed}) {
        if (*path) {
            if (const auto reason = UnwritablePath(**path)) {
                streams.Err << "kvor-cli: " << *reason << '\n';
                return ExitUsage;
            }
        }
    }
    CliPool pool;
    if (const auto refused = LoadImport(options, StudyTab::Accuracy, streams, pool)) {
        return *refused;
    }
    if (const auto refused = RefuseSampling(options, StudyTab::Accuracy, pool, streams)) {
        return *refused;
    }
    if (const auto refused = RefuseDesign(options, StudyTab::Accuracy, pool, streams)) {
        return *refused;
    }
    Dumps dumps;
    if (const auto failed = OpenDumps(options, dumps, streams)) {
        return *failed;
    }

    ProgressLine progress(streams, "data set");
    AccuracyRunControl control;
    control.SeedOverride = options.Seed;
    control.Threads = options.Threads;
    control.DecimalSeparator = DecimalSeparator;
    control.Progress = [&progress](int set) { progress.Show(set); };
    if (dumps.Sets.is_open() || dumps.Fits.is_open()) {
        control.SetFitted = [&dumps](int set, const DataSet& data, const RegressionOutcome& fit) {
            if (dumps.Sets.is_open()) {
                WriteSet(dumps.Sets, set, data);
            }
            if (dumps.Fits.is_open()) {
                WriteFit(dumps.Fits, set, fit);
            }
        };
    }
    auto runResults = std::make_unique<RunResults>();
    const AccuracyRunOutcome outcome =
        ACalculations(options.Design, pool.ForRun(), *runResults, control);
    dumps.Sets.close();
    dumps.Fits.close();
    if (dumps.Failed()) {
        streams.Err << "kvor-cli: writing a dump file failed\n";
    }
    if (outcome.End == RunEnd::Failed) {
        return ReportFailure(options, *outcome.Failure, streams);
    }
    const AccuracyResults& results = *outcome.Results;
    if (options.Json) {
        streams.Out << ResultsJson(options.Design, outcome.Seed, results) << '\n';
    } else {
        for (const auto& [name, text] : results.Panels.Named()) {
            streams.Out << name << ": " << text << '\n';
        }
    }
    if (options.Plot) {
        if (!streams.WritePlot) {
            streams.Err << "kvor-cli: this build draws no pictures\n";
            return ExitUsage;
        }
        const std::string error = streams.WritePlot(
            {*runResults, options.Design, *options.Plot == PlotKind::ParameterSpace,
             results.LinesZeroOrigin, *options.PlotOut, options.PlotFormat});
        if (!error.empty()) {
            streams.Err << "kvor-cli: " << error << '\n';
            return ExitUsage;
        }
    }
    return dumps.Failed() ? ExitUsage : ExitOk;
}

} // namespace kvor::cli
