#pragma once

namespace kvor::cli {

struct CliOptions;
struct CliStreams;

int RunAccuracy(const CliOptions& options, CliStreams& streams);
int RunPower(const CliOptions& options, CliStreams& streams);
int RunVisualise(const CliOptions& options, CliStreams& streams);
int RunCheck(const CliOptions& options, CliStreams& streams);
int RunVFCheck(const CliOptions& options, CliStreams& streams);

} // namespace kvor::cli
