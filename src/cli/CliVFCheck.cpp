#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/CliSteps.h"
#include "cli/JsonText.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFButtonChecks.h"
#include "graphs/VFCurveSet.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <string_view>
#include <utility>

namespace kvor::cli {

namespace {

// The command line always shows numbers with a full stop.
constexpr char DecimalSeparator = '.';

std::string_view KindName(MessageKind kind) {
    return kind == MessageKind::Warning ? "warning" : "error";
}

std::string_view FocusName(DesignFocus focus) {
    switch (focus) {
    case DesignFocus::Minimum:
        return "xmin";
    case DesignFocus::Maximum:
        return "xmax";
    case DesignFocus::Variance:
        return "constant";
    case DesignFocus::YB1:
        return "y-b1";
    case DesignFocus::XB1:
        return "x-b1";
    case DesignFocus::None:
        break;
    }
    return "none";
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

std::string CurveJson(int function, const VFCurve& c) {
    std::string json = "{\"function\":";
    json += function == VFXFunction ? "\"X\"" : "\"Y\"";
    json += ",\"code\":" + std::to_string(c.Code);
    json += ",\"plottable\":" + Bool(c.Plottable);
    json += ",\"fully_valid\":" + Bool(c.FullyValid);
    json += ",\"cv_possible\":" + Bool(c.CvPossible);
    const std::array<std::pair<const char*, double>, 9> numbers{{
        {"range_lo", c.RangeLo},
        {"range_hi", c.RangeHi},
        {"valid_lo", c.ValidLo},
        {"valid_hi", c.ValidHi},
        {"var_min", c.VarMin},
        {"var_max", c.VarMax},
        {"cv_min", c.CvMin},
        {"cv_max", c.CvMax},
        {"cv_turn_x", c.CvTurnX},
    }};
    for (const auto& [name, value] : numbers) {
        json += std::string(",\"") + name + "\":" + JsonNumber(value);
    }
    return json + "}";
}

std::string AxisJson(const AxisScale& a) {
    const std::array<std::int32_t, 8> fields{a.StartMantissa, a.StartExponent, a.Intervals,
                                             a.StepMantissa,  a.StepExponent,  a.MinorTicks,
                                             a.LabelWidth,    a.Decimals};
    std::string json = "[";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            json += ',';
        }
        json += std::to_string(fields[i]);
    }
    return json + "]";
}

std::string DialogJson(const VFCurveSet& set, const GraphOptions& options) {
    std::string json = "{\"caption\":" + JsonString(VFCaption(set));
    json += ",\"first\":" + std::to_string(set.FirstFunction);
    json += ",\"last\":" + std::to_string(set.LastFunction);
    json += ",\"mean_min\":" + JsonNumber(set.MeanMin);
    json += ",\"mean_max\":" + JsonNumber(set.MeanMax);
    json += ",\"x_log\":" + Bool(options.XLog);
    json += ",\"zero_origin_forced\":" + Bool(options.VFZeroOriginForced);
    json += ",\"y_log\":" + Bool(options.YLog);
    json += ",\"cv_basis\":" + JsonNumber(set.CvBasis);
    json += ",\"default_cv_max\":" + JsonNumber(set.DefaultCvMax);
    const std::array<std::pair<const char*, const AxisScale*>, 8> axes{{
        {"MeanZeroAxis", &set.MeanZeroAxis},
        {"MeanRangeAxis", &set.MeanRangeAxis},
        {"MeanLogAxis", &set.MeanLogAxis},
        {"VarianceAxis", &set.VarianceAxis},
        {"SDAxis", &set.SDAxis},
        {"CvAxis", &set.CvAxis},
        {"VarianceLogAxis", &set.VarianceLogAxis},
        {"SDLogAxis", &set.SDLogAxis},
    }};
    json += ",\"axes\":{";
    for (std::size_t i = 0; i < axes.size(); ++i) {
        json += std::string(i == 0 ? "" : ",") + "\"" + axes[i].first +
                "\":" + AxisJson(*axes[i].second);
    }
    return json + "}}";
}

std::string OutcomeJson(const VFButtonOutcome& outcome, const GraphOptions& options) {
    std::string json = "{\"messages\":[";
    for (std::size_t i = 0; i < outcome.Messages.size(); ++i) {
        const VFMessage& m = outcome.Messages[i];
        json += std::string(i == 0 ? "" : ",") + "{\"kind\":" + JsonString(KindName(m.Kind)) +
                ",\"text\":" + JsonString(m.Text) + ",\"focus\":" + JsonString(FocusName(m.Focus)) +
                "}";
    }
    json += "],\"curves\":[";
    for (int index = 1; index <= outcome.FunctionsExamined; ++index) {
        if (index > 1) {
            json += ',';
        }
        json += CurveJson(index, outcome.Set.Curve(index));
    }
    json += "],\"dialog\":";
    json += outcome.DialogOpens ? DialogJson(outcome.Set, options) : "null";
    return json + "}";
}

// Carriage returns join a note to a warning in the box; a terminal shows them as line breaks.
std::string AsLines(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

void PrintText(const VFButtonOutcome& outcome, std::ostream& out) {
    for (const VFMessage& m : outcome.Messages) {
        out << KindName(m.Kind) << " (focus " << FocusName(m.Focus) << "): " << AsLines(m.Text)
            << '\n';
    }
    for (int index = 1; index <= outcome.FunctionsExamined; ++index) {
        const VFCurve& c = outcome.Set.Curve(index);
        out << (index == VFXFunction ? "X" : "Y") << "-variance function: code " << c.Code
            << (c.Plottable ? ", plotted" : ", not plotted") << '\n';
    }
    if (outcome.DialogOpens) {
        out << "dialog:" << VFCaption(outcome.Set) << '\n';
    } else {
        out << "no dialog\n";
    }
}

int GraphTypeOf(PlotKind kind) {
    return kind == PlotKind::CV ? 3 : kind == PlotKind::SD ? 2 : 1;
}

int WritePicture(const CliOptions& options, const VFCurveSet& set, const GraphOptions& graphOptions,
                 CliStreams& streams) {
    if (!streams.WriteVFPlot) {
        streams.Err << "kvor-cli: this build draws no pictures\n";
        return ExitUsage;
    }
    const std::string error = streams.WriteVFPlot(
        {set, graphOptions, GraphTypeOf(*options.Plot), *options.PlotOut, options.PlotFormat});
    if (!error.empty()) {
        streams.Err << "kvor-cli: " << error << '\n';
        return ExitUsage;
    }
    return ExitOk;
}

} // namespace

int RunVFCheck(const CliOptions& options, CliStreams& streams) {
    const StudyTab tab = options.Tab == Tab::Power ? StudyTab::Power : StudyTab::Accuracy;
    CliPool pool;
    if (const auto refused = LoadImport(options, tab, streams, pool)) {
        return *refused;
    }
    GraphOptions graphOptions = DesignGraphOptions();
    const VFButtonOutcome outcome =
        CheckVFButton(options.Design, tab, pool.Data ? ExtremesOf(*pool.Data) : PoolExtremes{},
                      graphOptions, DecimalSeparator);
    if (options.Json) {
        streams.Out << OutcomeJson(outcome, graphOptions) << '\n';
    } else {
        PrintText(outcome, streams.Out);
    }
    if (!outcome.DialogOpens) {
        return ExitDesignRefused;
    }
    if (options.Plot) {
        return WritePicture(options, outcome.Set, graphOptions, streams);
    }
    return ExitOk;
}

} // namespace kvor::cli
