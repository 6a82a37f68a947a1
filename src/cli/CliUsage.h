#pragma once

namespace kvor::cli {

inline constexpr const char* Usage =
    R"(usage: kvor-cli COMMAND [OPTIONS]

Headless runs of KVOR's studies.

Commands:
  accuracy    run an Accuracy study
  power       run a Power study
  check       check a design as the Start Run button does

Options:
  -h, --help  show this text
)";

} // namespace kvor::cli
