#pragma once

#include "engine/StudyDesign.h"
#include "import/ImportXY.h"
#include "visualise/VisTexts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvor::cli {

enum class Command { Help, Accuracy, Power, Check, Visualise };
enum class Tab { Accuracy, Power };

// What the visualise command adds to the Power tab's design.
struct VisualiseOptions {
    std::optional<int> VisN; // required
    int VisSets = 250;
    VisRunKind Run = VisRunKind::Intervals;
    bool NoAlso = false;
    std::optional<std::string> DumpVis;
    std::optional<std::string> DumpOutlines;
};

struct CliOptions {
    kvor::cli::Command Command = Command::Help;
    StudyDesign Design;
    bool Json = false;
    std::optional<std::uint32_t> Seed;
    std::optional<std::string> DumpSets;
    std::optional<std::string> DumpFits;
    std::optional<std::string> ExportFailed;
    std::optional<std::string> ImportFile;
    FieldSeparator Separator;
    kvor::cli::Tab Tab = Tab::Accuracy;
    VisualiseOptions Vis;
};

struct CliParse {
    bool Ok = false;
    std::string Error; // one line naming the option and what it accepts
    CliOptions Options;
};

// Reads the command line (without the program name). Values are range-checked as the window's
// controls check them; nothing is run and no file is touched.
CliParse ParseCliOptions(const std::vector<std::string>& args);

} // namespace kvor::cli
