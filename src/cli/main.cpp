#include "cli/CliOptions.h"
#include "cli/CliUsage.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int ExitUsage = 2;

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const kvor::cli::CliParse parsed = kvor::cli::ParseCliOptions(args);
    if (!parsed.Ok) {
        std::fprintf(stderr, "kvor-cli: %s\n", parsed.Error.c_str());
        std::fputs("Try 'kvor-cli --help'.\n", stderr);
        return ExitUsage;
    }
    if (parsed.Options.Command == kvor::cli::Command::Help) {
        std::fputs(kvor::cli::Usage, stdout);
        return 0;
    }
    std::fputs("kvor-cli: the studies are not available in this build yet\n", stderr);
    return ExitUsage;
}
