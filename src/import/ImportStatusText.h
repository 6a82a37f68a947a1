#pragma once

#include "import/ImportTypes.h"

#include <cstddef>
#include <string>

namespace kvor {

// The two phases an import dialog's status panel blinks through.
enum class ImportPhase { Reading, Checking };

// The status panel's text at `tick` of a phase (the count restarts at 0 with each phase): odd
// ticks show the quiet half of the blink, even ticks the full text.
std::string ImportStatusText(ImportSource source, ImportPhase phase, int tick, std::size_t lines);

} // namespace kvor
