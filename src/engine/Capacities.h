#pragma once

namespace kvor {

// Fixed capacities: runs never allocate beyond these.
inline constexpr int MaxPairsPerSet = 10000;
inline constexpr int MaxSetsPerRun = 10000;
inline constexpr int MaxImportedPairs = 1000000;

} // namespace kvor
