#pragma once

#include "engine/Capacities.h"

#include <vector>

namespace kvor {

// The data set being fitted. X and Y are stored 0-based: pair i (1..N) is X[i - 1], Y[i - 1].
// Storage is allocated once at full capacity so that drawing a set never allocates.
struct DataSet {
    DataSet() : X(MaxPairsPerSet), Y(MaxPairsPerSet) {}

    int N = 0;
    std::vector<double> X;
    std::vector<double> Y;
    double SetXMin = 0;
    double SetXMax = 0;
    double SetYMin = 0;
    double SetYMax = 0;
};

} // namespace kvor
