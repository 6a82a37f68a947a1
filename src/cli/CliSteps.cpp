#include "cli/CliSteps.h"

#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "cli/JsonText.h"
#include "engine/DesignLimits.h"
#include "import/CommitImport.h"
#include "import/ImportXY.h"
#include "studies/FailedSet.h"

#include <filesystem>
#include <ostream>
#include <unistd.h>

namespace kvor::cli {

namespace {

// The command line always shows numbers with a full stop.
constexpr char DecimalSeparator = '.';

} // namespace

const ImportedData* CliPool::ForRun() const {
    return Data.get();
}

std::optional<int> LoadImport(const CliOptions& options, StudyTab tab, CliStreams& streams,
                              CliPool& pool) {
    if (!options.ImportFile) {
        return std::nullopt;
    }
    const ImportKind kind = tab == StudyTab::Accuracy ? ImportKind::Accuracy : ImportKind::Power;
    auto buffer = std::make_unique<ImportedData>();
    const ImportResult result =
        ImportTextFile(*options.ImportFile, options.Separator, DecimalSeparator, kind, *buffer);
    if (!result.Accepted()) {
        streams.Out << result.Refusal->Message << '\n';
        return ExitImportRefused;
    }
    streams.Out << result.StatusText << '\n';
    pool.Data = std::make_unique<ImportedData>();
    CommitImport(kind, result.SourcePath, *buffer, *pool.Data);
    return std::nullopt;
}

std::optional<int> RefuseSampling(const CliOptions& options, StudyTab tab, const CliPool& pool,
                                  CliStreams& streams) {
    if (tab != StudyTab::Accuracy || !pool.Data) {
        return std::nullopt;
    }
    const int count = pool.Data->Count;
    const int sets = options.Design.SetsPerRun;
    const int n = options.Design.N;
    const SamplingLimits limits = UpdateSampling(count, sets, n);
    if (limits.Sets == sets && limits.N == n) {
        return std::nullopt;
    }
    const std::string pairs = std::to_string(count) + " imported pairs give ";
    const int maxN = MaxNForSets(count, sets);
    if (maxN >= static_cast<int>(DesignLimit(DesignField::N).Min)) {
        streams.Err << "kvor-cli: --n: " << pairs << sets << " data sets of at most " << maxN
                    << " pairs, got " << n << '\n';
    } else {
        streams.Err << "kvor-cli: --sets: " << pairs << "at most " << MaxSetsForN(count, n)
                    << " data sets of " << n << " pairs, got " << sets << '\n';
    }
    return ExitUsage;
}

std::optional<int> RefuseDesign(const CliOptions& options, StudyTab tab, const CliPool& pool,
                                CliStreams& streams) {
    const PoolExtremes extremes = pool.Data ? ExtremesOf(*pool.Data) : PoolExtremes{};
    const DesignCheckResult check = CheckDesign(options.Design, tab, extremes, DecimalSeparator);
    if (check.Passed) {
        return std::nullopt;
    }
    streams.Out << check.Message << '\n' << "focus: " << static_cast<int>(check.Focus) << '\n';
    return ExitDesignRefused;
}

std::optional<std::string> UnwritablePath(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target(path);
    if (path.empty() || fs::is_directory(target, ec)) {
        return "'" + path + "' is not a file name";
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) {
        return "the folder of '" + path + "' does not exist";
    }
    if (fs::exists(target, ec) ? ::access(target.c_str(), W_OK) != 0
                               : ::access(folder.c_str(), W_OK) != 0) {
        return "'" + path + "' cannot be written";
    }
    return std::nullopt;
}

ProgressLine::ProgressLine(CliStreams& streams, const char* what)
    : m_streams(streams), m_what(what), m_start(std::chrono::steady_clock::now()), m_last(m_start) {
}

ProgressLine::~ProgressLine() {
    if (m_shown) {
        m_streams.Err << '\n';
    }
}

void ProgressLine::Show(long long count) {
    if (!m_streams.ShowProgress) {
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now - m_start < std::chrono::seconds(1) || now - m_last < std::chrono::milliseconds(100)) {
        return;
    }
    m_last = now;
    m_shown = true;
    m_streams.Err << '\r' << m_what << ' ' << count << std::flush;
}

void PrintFailedSet(const CliOptions& options, const char* study, const FailedSet& failed,
                    CliStreams& streams) {
    if (options.Json) {
        streams.Out << "{\"study\":\"" << study << "\",\"failed\":{\"set\":" << failed.SetNumber
                    << ",\"fail_code\":" << failed.FailCode
                    << ",\"message\":" << JsonString(failed.Message) << "}}\n";
    } else {
        streams.Out << failed.Message << '\n';
    }
}

} // namespace kvor::cli
