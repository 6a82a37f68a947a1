#include "cli/CliUsage.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr int ExitUsage = 2;

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kvor::cli::Usage, stderr);
        return ExitUsage;
    }
    const std::string_view command = argv[1];
    if (command == "-h" || command == "--help" || command == "help") {
        std::fputs(kvor::cli::Usage, stdout);
        return 0;
    }
    std::fprintf(stderr, "kvor-cli: unknown command '%s'\n", argv[1]);
    std::fputs(kvor::cli::Usage, stderr);
    return ExitUsage;
}
