#pragma once

#include <iosfwd>

namespace kvor::cli {

struct CliOptions;

inline constexpr int ExitOk = 0;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitSetFailed = 3;
inline constexpr int ExitDesignRefused = 4;
inline constexpr int ExitImportRefused = 5;

struct CliStreams {
    std::ostream& Out;
    std::ostream& Err;
    bool ShowProgress = false; // stderr is a terminal
};

// Carries out a parsed command line; returns the exit status.
int RunCli(const CliOptions& options, CliStreams& streams);

} // namespace kvor::cli
