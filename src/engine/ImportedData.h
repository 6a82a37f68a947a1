#pragma once

#include "engine/Capacities.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvor {

// A tab's pool of imported X, Y pairs. Pair i (1..Count) is X[i - 1], Y[i - 1].
// The arrays are sized once to the fixed capacity; Count says how many pairs are held.
struct ImportedData {
    ImportedData() : X(MaxImportedPairs), Y(MaxImportedPairs) {}

    std::vector<double> X;
    std::vector<double> Y;
    std::int32_t Count = 0;
    double MinX = 0;
    double MaxX = 0;
    double MinY = 0;
    double MaxY = 0;
    std::string SourceFile; // empty when the pairs were pasted
};

// The extremes of a pool: all that the checks of a design read of it.
struct PoolExtremes {
    double MinX = 0;
    double MaxX = 0;
    double MinY = 0;
    double MaxY = 0;
};

inline PoolExtremes ExtremesOf(const ImportedData& pool) {
    return {pool.MinX, pool.MaxX, pool.MinY, pool.MaxY};
}

} // namespace kvor
