#include "cli/CliRun.h"

#include "KVORVersion.h"
#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "cli/CliSteps.h"
#include "cli/CliUsage.h"

#include <ostream>

namespace kvor::cli {

int RunCheck(const CliOptions& options, CliStreams& streams) {
    const StudyTab tab = options.Tab == Tab::Power ? StudyTab::Power : StudyTab::Accuracy;
    CliPool pool;
    if (const auto refused = LoadImport(options, tab, streams, pool)) {
        return *refused;
    }
    if (const auto refused = RefuseSampling(options, tab, pool, streams)) {
        return *refused;
    }
    if (const auto refused = RefuseDesign(options, tab, pool, streams)) {
        return *refused;
    }
    streams.Out << "ok\n";
    return ExitOk;
}

int RunCli(const CliOptions& options, CliStreams& streams) {
    switch (options.Command) {
    case Command::Accuracy:
        return RunAccuracy(options, streams);
    case Command::Power:
        return RunPower(options, streams);
    case Command::Check:
        return RunCheck(options, streams);
    case Command::Version:
        streams.Out << "kvor-cli " << ProgramVersion << '\n';
        return ExitOk;
    case Command::VFCheck:
        return RunVFCheck(options, streams);
    case Command::Visualise:
        return RunVisualise(options, streams);
    case Command::Help:
        break;
    }
    streams.Out << Usage;
    return ExitOk;
}

} // namespace kvor::cli
