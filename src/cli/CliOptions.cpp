#include "cli/CliOptions.h"

#include "studies/RunControl.h"

#include <algorithm>
#include <cctype>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <sstream>

namespace kvor::cli {

namespace {

struct Failure {
    std::string Message;
};

std::optional<double> ParseDouble(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> ParseInteger(const std::string& text) {
    long long value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

std::string RangeText(double lo, double hi) {
    std::ostringstream out;
    out << lo << " to " << hi;
    return out.str();
}

double RealInRange(const std::string& option, const std::string& text, double lo, double hi) {
    const auto value = ParseDouble(text);
    if (!value || *value < lo || *value > hi) {
        throw Failure{option + ": expected a number from " + RangeText(lo, hi) + ", got '" + text +
                      "'"};
    }
    return *value;
}

int IntegerInRange(const std::string& option, const std::string& text, long long lo, long long hi) {
    const auto value = ParseInteger(text);
    if (!value || *value < lo || *value > hi) {
        throw Failure{option + ": expected a whole number from " + std::to_string(lo) + " to " +
                      std::to_string(hi) + ", got '" + text + "'"};
    }
    return static_cast<int>(*value);
}

double FieldValue(const std::string& option, const std::string& text, DesignField field) {
    const FieldLimits& limits = DesignLimit(field);
    return RealInRange(option, text, limits.Min, limits.Max);
}

int WholeFieldValue(const std::string& option, const std::string& text, DesignField field) {
    const FieldLimits& limits = DesignLimit(field);
    return IntegerInRange(option, text, static_cast<long long>(limits.Min),
                          static_cast<long long>(limits.Max));
}

template <typename T>
T Choice(const std::string& option, const std::string& text,
         const std::vector<std::pair<std::string, T>>& choices) {
    std::string names;
    for (const auto& [name, value] : choices) {
        if (name == text) {
            return value;
        }
        names += names.empty() ? name : "|" + name;
    }
    throw Failure{option + ": expected " + names + ", got '" + text + "'"};
}

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, ',')) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == ',') {
        parts.emplace_back();
    }
    return parts;
}

VarianceFunction ParseVarianceFunction(const std::string& option, const std::string& text) {
    const std::vector<std::string> parts = SplitCommas(text);
    if (parts.size() != 6) {
        throw Failure{option + ": expected FORM,PARA,B1,B2,B3,J, got '" + text + "'"};
    }
    VarianceFunction function;
    function.Form = WholeFieldValue(option + " FORM", parts[0], DesignField::Form);
    function.Para = WholeFieldValue(option + " PARA", parts[1], DesignField::Para);
    function.B1 = FieldValue(option + " B1", parts[2], DesignField::B1);
    function.B2 = FieldValue(option + " B2", parts[3], DesignField::B2);
    function.B3 = FieldValue(option + " B3", parts[4], DesignField::B3);
    function.J = FieldValue(option + " J", parts[5], DesignField::J);
    return function;
}

FieldSeparator ParseSeparator(const std::string& text) {
    if (text == "comma") {
        return {SeparatorChoice::Comma, {}};
    }
    if (text == "tab") {
        return {SeparatorChoice::Tab, {}};
    }
    if (text == "space") {
        return {SeparatorChoice::Space, {}};
    }
    if (IsAllowedOtherSeparator(text)) {
        return {SeparatorChoice::Other, text};
    }
    throw Failure{"--separator: expected comma|tab|space or one character that is not a blank, "
                  "sign, digit, comma or full stop, got '" +
                  text + "'"};
}

using ValueHandler = std::function<void(CliOptions&, const std::string&)>;

// The class names of --partition, interval classes first; the region classes are "nd" and "bd".
std::vector<std::string> PartitionNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

// The names as typed; the codes follow once the kind of --plot is known.
std::vector<int> ParsePartition(const std::string& list) {
    std::vector<int> codes;
    for (const std::string& name : PartitionNames(list)) {
        codes.push_back(Choice<int>("--partition", name,
                                    {{"nd", 0}, {"pb", 1}, {"cb", 2}, {"both", 3}, {"bd", 4}}));
        if (std::count(codes.begin(), codes.end(), codes.back()) > 1) {
            throw Failure{"--partition: '" + name + "' is given twice"};
        }
    }
    return codes;
}

// Interval classes keep their codes; the region classes become 0 (nd) and 1 (bd).
void CheckPartitionClasses(VisualiseOptions& vis) {
    if (!vis.Partition) {
        return;
    }
    if (!vis.Plot || *vis.Plot == VisPlotKind::Lines) {
        throw Failure{"--partition: needs --plot intervals|regions"};
    }
    for (int& code : *vis.Partition) {
        if (*vis.Plot == VisPlotKind::Intervals && code == 4) {
            throw Failure{"--partition: the intervals classes are nd,pb,cb,both"};
        }
        if (*vis.Plot == VisPlotKind::Regions) {
            if (code != 0 && code != 4) {
                throw Failure{"--partition: the regions classes are nd,bd"};
            }
            code = code == 4 ? 1 : 0;
        }
    }
}

const std::map<std::string, ValueHandler>& ValueOptions() {
    static const std::map<std::string, ValueHandler> handlers = {
        {"--regression",
         [](CliOptions& o, const std::string& v) {
             o.Design.Regression = Choice<RegressionType>("--regression", v,
                                                          {{"ols", RegressionType::OLS},
                                                           {"wls", RegressionType::WLS},
                                                           {"deming", RegressionType::Deming}});
         }},
        {"--n",
         [](CliOptions& o, const std::string& v) {
             o.Design.N = WholeFieldValue("--n", v, DesignField::N);
         }},
        {"--sets",
         [](CliOptions& o, const std::string& v) {
             o.Design.SetsPerRun = WholeFieldValue("--sets", v, DesignField::SetsPerRun);
         }},
        {"--true-slope",
         [](CliOptions& o, const std::string& v) {
             o.Design.TrueSlope = FieldValue("--true-slope", v, DesignField::TrueSlope);
         }},
        {"--true-intercept",
         [](CliOptions& o, const std::string& v) {
             o.Design.TrueIntercept = FieldValue("--true-intercept", v, DesignField::TrueIntercept);
         }},
        {"--actual-slope",
         [](CliOptions& o, const std::string& v) {
             o.Design.ActualSlope = FieldValue("--actual-slope", v, DesignField::ActualSlope);
         }},
        {"--actual-intercept",
         [](CliOptions& o, const std::string& v) {
             o.Design.ActualIntercept =
                 FieldValue("--actual-intercept", v, DesignField::ActualIntercept);
         }},
        {"--xmin",
         [](CliOptions& o, const std::string& v) {
             o.Design.XMin = FieldValue("--xmin", v, DesignField::XMin);
         }},
        {"--xmax",
         [](CliOptions& o, const std::string& v) {
             o.Design.XMax = FieldValue("--xmax", v, DesignField::XMax);
         }},
        {"--xdist",
         [](CliOptions& o, const std::string& v) {
             o.Design.XDist = Choice<XDistribution>("--xdist", v,
                                                    {{"uniform", XDistribution::Uniform},
                                                     {"central", XDistribution::CentrallyLocated},
                                                     {"skewed", XDistribution::RightSkewed}});
         }},
        {"--variance",
         [](CliOptions& o, const std::string& v) {
             o.Design.ConstantVariance = FieldValue("--variance", v, DesignField::ConstantVariance);
         }},
        {"--yvf",
         [](CliOptions& o, const std::string& v) {
             o.Design.YVariance = ParseVarianceFunction("--yvf", v);
         }},
        {"--xvf",
         [](CliOptions& o, const std::string& v) {
             o.Design.XVariance = ParseVarianceFunction("--xvf", v);
         }},
        {"--seed",
         [](CliOptions& o, const std::string& v) {
             const auto value = ParseInteger(v);
             if (!value || *value < 0 || *value > 4294967295LL) {
                 throw Failure{"--seed: expected a whole number from 0 to 4294967295, got '" + v +
                               "'"};
             }
             o.Seed = static_cast<std::uint32_t>(*value);
         }},
        {"--threads",
         [](CliOptions& o, const std::string& v) {
             const auto value = ParseInteger(v);
             if (!value || *value < 1 || *value > MaxThreads) {
                 throw Failure{"--threads: expected a whole number from 1 to " +
                               std::to_string(MaxThreads) + ", got '" + v + "'"};
             }
             o.Threads = static_cast<int>(*value);
         }},
        {"--sampling",
         [](CliOptions& o, const std::string& v) {
             o.Design.ImportSampling = Choice<ImportSampling>(
                 "--sampling", v,
                 {{"random", ImportSampling::Random}, {"sequential", ImportSampling::Sequential}});
         }},
        {"--mode",
         [](CliOptions& o, const std::string& v) {
             o.Design.EstimationMode = Choice<EstimationMode>(
                 "--mode", v,
                 {{"auto", EstimationMode::Automatic}, {"specified", EstimationMode::SpecifiedN}});
         }},
        {"--detection",
         [](CliOptions& o, const std::string& v) {
             o.Design.DetectionRate =
                 Choice<int>("--detection", v, {{"80", 80}, {"90", 90}, {"95", 95}});
         }},
        {"--significance",
         [](CliOptions& o, const std::string& v) {
             o.Design.Significance =
                 Choice<double>("--significance", v, {{"0.05", 0.05}, {"0.01", 0.01}});
         }},
        {"--tab",
         [](CliOptions& o, const std::string& v) {
             o.Tab = Choice<Tab>("--tab", v, {{"accuracy", Tab::Accuracy}, {"power", Tab::Power}});
         }},
        {"--dump-sets", [](CliOptions& o, const std::string& v) { o.DumpSets = v; }},
        {"--dump-fits", [](CliOptions& o, const std::string& v) { o.DumpFits = v; }},
        {"--export-failed", [](CliOptions& o, const std::string& v) { o.ExportFailed = v; }},
        {"--import",
         [](CliOptions& o, const std::string& v) {
             o.ImportFile = v;
             o.Design.DataSource = DataSource::Import;
         }},
        {"--vis-n",
         [](CliOptions& o, const std::string& v) {
             o.Vis.VisN = IntegerInRange("--vis-n", v, 3, 5000);
         }},
        {"--vis-sets",
         [](CliOptions& o, const std::string& v) {
             o.Vis.VisSets = Choice<int>(
                 "--vis-sets", v,
                 {{"10", 10}, {"100", 100}, {"250", 250}, {"500", 500}, {"1000", 1000}});
         }},
        {"--run",
         [](CliOptions& o, const std::string& v) {
             o.Vis.Run = Choice<VisRunKind>(
                 "--run", v,
                 {{"intervals", VisRunKind::Intervals}, {"region", VisRunKind::Region}});
         }},
        {"--dump-vis", [](CliOptions& o, const std::string& v) { o.Vis.DumpVis = v; }},
        {"--dump-outlines", [](CliOptions& o, const std::string& v) { o.Vis.DumpOutlines = v; }},
        {"--separator",
         [](CliOptions& o, const std::string& v) { o.Separator = ParseSeparator(v); }},
        {"--plot",
         [](CliOptions& o, const std::string& v) {
             if (o.Command == Command::Visualise) {
                 o.Vis.Plot = Choice<VisPlotKind>("--plot", v,
                                                  {{"intervals", VisPlotKind::Intervals},
                                                   {"regions", VisPlotKind::Regions},
                                                   {"lines", VisPlotKind::Lines}});
                 return;
             }
             o.Plot = o.Command == Command::VFCheck
                          ? Choice<PlotKind>("--plot", v,
                                             {{"variance", PlotKind::Variance},
                                              {"sd", PlotKind::SD},
                                              {"cv", PlotKind::CV}})
                          : Choice<PlotKind>(
                                "--plot", v,
                                {{"lines", PlotKind::Lines}, {"params", PlotKind::ParameterSpace}});
         }},
        {"--partition",
         [](CliOptions& o, const std::string& v) { o.Vis.Partition = ParsePartition(v); }},
        {"--plot-out", [](CliOptions& o, const std::string& v) { o.PlotOut = v; }},
        {"--plot-format",
         [](CliOptions& o, const std::string& v) {
             o.PlotFormat = Choice<std::string>(
                 "--plot-format", v,
                 {{"bmp", "bmp"}, {"emf", "emf"}, {"png", "png"}, {"pdf", "pdf"}});
         }},
    };
    return handlers;
}

kvor::cli::Command ParseCommand(const std::string& word) {
    return Choice<kvor::cli::Command>("command", word,
                                      {{"accuracy", Command::Accuracy},
                                       {"power", Command::Power},
                                       {"check", Command::Check},
                                       {"vfcheck", Command::VFCheck},
                                       {"visualise", Command::Visualise},
                                       {"help", Command::Help},
                                       {"--version", Command::Version},
                                       {"--help", Command::Help},
                                       {"-h", Command::Help}});
}

void CheckOptionFitsCommand(const std::string& option, kvor::cli::Command command) {
    const bool accuracyOnly =
        option == "--dump-sets" || option == "--dump-fits" || option == "--export-failed";
    if (accuracyOnly && command != Command::Accuracy) {
        throw Failure{option + ": only the accuracy command takes this option"};
    }
    if (option.starts_with("--plot") && command != Command::Accuracy &&
        command != Command::VFCheck && command != Command::Visualise) {
        throw Failure{option +
                      ": only the accuracy, vfcheck and visualise commands take this option"};
    }
    const bool visualiseOnly = option == "--vis-n" || option == "--vis-sets" || option == "--run" ||
                               option == "--no-also" || option == "--dump-vis" ||
                               option == "--dump-outlines" || option == "--report" ||
                               option == "--partition";
    if (visualiseOnly && command != Command::Visualise) {
        throw Failure{option + ": only the visualise command takes this option"};
    }
    if (option == "--tab" && command != Command::Check && command != Command::VFCheck) {
        throw Failure{"--tab: only the check and vfcheck commands take this option"};
    }
}

void CheckVisualiseOptions(CliOptions& o) {
    if (o.Command != Command::Visualise) {
        return;
    }
    if (!o.Vis.VisN) {
        throw Failure{"--vis-n: the visualise command needs the N of its run, 3 to 5000"};
    }
    if (o.Vis.Report && o.Json) {
        throw Failure{"--report: the report is text; leave out --json"};
    }
    if (o.Design.EstimationMode == EstimationMode::SpecifiedN && o.Vis.Run == VisRunKind::Region) {
        throw Failure{"--run: with --mode specified only the intervals run exists"};
    }
    CheckPartitionClasses(o.Vis);
}

// --plot and --plot-out come together; the format follows the extension unless given.
void CompletePlotOptions(CliOptions& o) {
    const bool plot = o.Plot.has_value() || o.Vis.Plot.has_value();
    if (plot != o.PlotOut.has_value()) {
        throw Failure{plot ? "--plot: needs --plot-out FILE"
                      : o.Command == Command::Visualise
                          ? "--plot-out: needs --plot intervals|regions|lines"
                      : o.Command == Command::VFCheck ? "--plot-out: needs --plot variance|sd|cv"
                                                      : "--plot-out: needs --plot lines|params"};
    }
    if (!o.PlotOut || !o.PlotFormat.empty()) {
        return;
    }
    const std::string& file = *o.PlotOut;
    const auto dot = file.find_last_of('.');
    const auto slash = file.find_last_of('/');
    std::string extension = dot == std::string::npos || (slash != std::string::npos && dot < slash)
                                ? std::string()
                                : file.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension != "bmp" && extension != "emf" && extension != "png" && extension != "pdf") {
        throw Failure{"--plot-out: the extension does not say bmp|emf|png|pdf; give --plot-format"};
    }
    o.PlotFormat = extension;
}

} // namespace

CliParse ParseCliOptions(const std::vector<std::string>& args) {
    CliParse result;
    try {
        if (args.empty()) {
            throw Failure{"missing command: expected accuracy|power|check|vfcheck|visualise"};
        }
        result.Options.Command = ParseCommand(args[0]);
        if (result.Options.Command == Command::Help || result.Options.Command == Command::Version) {
            result.Ok = true;
            return result;
        }
        if (result.Options.Command == Command::Power ||
            result.Options.Command == Command::Visualise) {
            result.Options.Tab = Tab::Power;
        }
        for (std::size_t i = 1; i < args.size(); ++i) {
            const std::string& option = args[i];
            if (option == "--help" || option == "-h" || option == "--version") {
                result.Options.Command = option == "--version" ? Command::Version : Command::Help;
                result.Ok = true;
                return result;
            }
            if (option == "--json") {
                result.Options.Json = true;
                continue;
            }
            if (option == "--no-also") {
                CheckOptionFitsCommand(option, result.Options.Command);
                result.Options.Vis.NoAlso = true;
                continue;
            }
            if (option == "--report") {
                CheckOptionFitsCommand(option, result.Options.Command);
                result.Options.Vis.Report = true;
                continue;
            }
            if (option == "--fixed-seed") {
                result.Options.Design.FixedSeed = true;
                continue;
            }
            const auto handler = ValueOptions().find(option);
            if (handler == ValueOptions().end()) {
                throw Failure{"unknown option '" + option + "'"};
            }
            if (i + 1 >= args.size()) {
                throw Failure{option + ": missing value"};
            }
            CheckOptionFitsCommand(option, result.Options.Command);
            handler->second(result.Options, args[++i]);
        }
        CheckVisualiseOptions(result.Options);
        CompletePlotOptions(result.Options);
        result.Ok = true;
    } catch (const Failure& failure) {
        result.Error = failure.Message;
    }
    return result;
}

int DefaultThreads() {
    return std::min(AllCores(), MaxThreads);
}

} // namespace kvor::cli
