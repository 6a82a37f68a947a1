#pragma once

#include "engine/ImportedData.h"
#include "studies/DesignCheck.h"

#include <chrono>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace kvor {
struct FailedSet;
}

namespace kvor::cli {

struct CliOptions;
struct CliStreams;

// The tab's pool of pairs for a run: empty unless --import gave one.
struct CliPool {
    std::unique_ptr<ImportedData> Data;
    const ImportedData* ForRun() const;
};

// Reads and checks --import for the tab, as the text-file dialog does, printing the dialog's
// status line; returns an exit status when the import is refused.
std::optional<int> LoadImport(const CliOptions& options, StudyTab tab, CliStreams& streams,
                              CliPool& pool);

// The Accuracy tab's limits on data sets and N with an imported pool, as the window sets them:
// prints which option exceeds its limit and returns the exit status when S x N exceeds the pool.
std::optional<int> RefuseSampling(const CliOptions& options, StudyTab tab, const CliPool& pool,
                                  CliStreams& streams);

// Runs the design checks; prints the refusal and its focus and returns the exit status when the
// design is refused.
std::optional<int> RefuseDesign(const CliOptions& options, StudyTab tab, const CliPool& pool,
                                CliStreams& streams);

// An output path the run may write: refused (with the reason) when its folder is missing or not
// writable or the path is a folder.
std::optional<std::string> UnwritablePath(const std::string& path);

// The failed set of a study: the JSON object or the message line.
void PrintFailedSet(const CliOptions& options, const char* study, const FailedSet& failed,
                    CliStreams& streams);

// Throttled progress on stderr for runs longer than a second.
class ProgressLine {
public:
    ProgressLine(CliStreams& streams, const char* what);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;
    void Show(long long count);

private:
    CliStreams& m_streams;
    const char* m_what;
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_last;
    bool m_shown = false;
};

} // namespace kvor::cli
