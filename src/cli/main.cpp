#include "cli/CliOptions.h"
#include "cli/CliRun.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const kvor::cli::CliParse parsed = kvor::cli::ParseCliOptions(args);
    if (!parsed.Ok) {
        std::cerr << "kvor-cli: " << parsed.Error << "\nTry 'kvor-cli --help'.\n";
        return kvor::cli::ExitUsage;
    }
    kvor::cli::CliStreams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    const int status = kvor::cli::RunCli(parsed.Options, streams);
    std::cout.flush();
    return std::cout ? status : kvor::cli::ExitUsage;
}
