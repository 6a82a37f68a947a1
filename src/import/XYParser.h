#pragma once

#include "engine/ImportedData.h"
#include "import/TextLines.h"

#include <cstddef>
#include <string_view>

namespace kvor {

// Largest X or Y value a line may hold.
inline constexpr double LineLimit = 1e8;

// What one scan gathers besides the pairs, so the checks need no second pass.
struct ScanTotals {
    std::size_t NegativeX = 0;
    std::size_t NegativeY = 0;
    double SumX = 0;
    double SumXX = 0;
    double SumY = 0;
    double SumYY = 0;
    double SumXY = 0;
};

// Empties the buffer and primes its extremes for a scan.
void ResetImportBuffer(ImportedData& buffer);

// Reads one X, Y pair from each line that holds one and stores it in the buffer, up to its
// capacity; lines without a pair are skipped.
ScanTotals ParseXYLines(const TextLines& lines, std::string_view separator, char decimalSeparator,
                        ImportedData& buffer);

} // namespace kvor
