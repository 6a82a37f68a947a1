#pragma once

#include "engine/Capacities.h"

#include <array>
#include <cstddef>
#include <vector>

namespace kvor {

// Working storage of the Deming fit: the per-point arrays, allocated once at full capacity so that
// a fit never allocates, and a trace of the last fit for diagnostics.
struct DemingScratch {
    DemingScratch()
        : WX(MaxPairsPerSet), WY(MaxPairsPerSet), WC(MaxPairsPerSet), YS(MaxPairsPerSet),
          LevelX(MaxPairsPerSet), LevelY(MaxPairsPerSet), LamWY(MaxPairsPerSet) {
        Evaluated.reserve(MaxRecordedAngles);
    }

    std::vector<double> WX; // reciprocal X variance at each point
    std::vector<double> WY; // reciprocal Y variance at each point
    std::vector<double> WC; // combined weight at the angle last evaluated
    std::vector<double> YS; // Y rescaled to the spread of X
    // The levels at which WX and WY are taken, while they are being computed.
    std::vector<double> LevelX;
    std::vector<double> LevelY;
    // Lam / WY in extended precision: the part of each combined weight that no angle changes.
    std::vector<long double> LamWY;

    // The objective's evaluations since the last minimisation began, while the weights stay as
    // they were: the minimum's value, intercept and weight sum are taken from here.
    struct EvaluatedAngle {
        double Theta = 0;
        double F = 0;
        double A = 0;
        double SumWC = 0;
    };
    static constexpr std::size_t MaxRecordedAngles = 256;
    std::vector<EvaluatedAngle> Evaluated;

    // Left behind by the last evaluation of the objective.
    double A = 0;     // rescaled intercept
    double SumWC = 0; // sum of WC

    // Trace of the last fit that got past its spread checks.
    double Theta = 0; // minimising angle in the rescaled plane
    double FMin = 0;  // objective at Theta
    int Passes = 0;   // passes run, the last one included
    // Evaluations of the objective in the last fit, and how many of them the profile limits took.
    int Evaluations = 0;
    int ProfileEvaluations = 0;
    // The last pass's starting triple (angles 0, start, 1.571) and its final bracket.
    std::array<double, 6> StoredAngles{};
    std::array<double, 6> StoredValues{};
};

} // namespace kvor
