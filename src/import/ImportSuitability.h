#pragma once

#include "engine/ImportedData.h"
#include "import/ImportTypes.h"
#include "import/XYParser.h"

#include <cstddef>
#include <optional>

namespace kvor {

// Fewest lines, and pairs, a kind accepts.
std::size_t MinimumPairs(ImportKind kind);

// Refuses a line list too short for the kind before any line is parsed.
std::optional<ImportRefusal> CheckLineCount(std::size_t lines, ImportKind kind,
                                            ImportSource source);

// The ordered checks of a scanned buffer. The first failing check gives the refusal and sets
// the buffer's Count to 0. `clipboardHoldsText` only matters for pasted lines without a pair.
std::optional<ImportRefusal> CheckImportSuitability(ImportedData& buffer, ImportKind kind,
                                                    const ScanTotals& totals, ImportSource source,
                                                    bool clipboardHoldsText = true);

} // namespace kvor
