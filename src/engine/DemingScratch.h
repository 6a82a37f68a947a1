#pragma once

#include "engine/Capacities.h"

#include <array>
#include <vector>

namespace kvor {

// Working storage of the Deming fit: the per-point arrays, allocated once at full capacity so that
// a fit never allocates, and a trace of the last fit for diagnostics.
struct DemingScratch {
    DemingScratch()
        : WX(MaxPairsPerSet), WY(MaxPairsPerSet), WC(MaxPairsPerSet), YS(MaxPairsPerSet) {}

    std::vector<double> WX; // reciprocal X variance at each point
    std::vector<double> WY; // reciprocal Y variance at each point
    std::vector<double> WC; // combined weight at the angle last evaluated
    std::vector<double> YS; // Y rescaled to the spread of X

    // Left behind by the last evaluation of the objective.
    double A = 0;     // rescaled intercept
    double SumWC = 0; // sum of WC

    // Trace of the last fit that got past its spread checks.
    double Theta = 0; // minimising angle in the rescaled plane
    double FMin = 0;  // objective at Theta
    int Passes = 0;   // passes run, the last one included
    // The last pass's starting triple (angles 0, start, 1.571) and its final bracket.
    std::array<double, 6> StoredAngles{};
    std::array<double, 6> StoredValues{};
};

} // namespace kvor
