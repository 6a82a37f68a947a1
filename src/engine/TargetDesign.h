#pragma once

#include "engine/Capacities.h"
#include "engine/StudyDesign.h"

#include <array>
#include <vector>

namespace kvor {

class RandomGenerator;

// The error-free points of a generated run, drawn once per run and shared by all its data sets.
// Point i (1..N) is element i - 1; the last two points are the design's XMin and XMax.
struct TargetDesign {
    TargetDesign()
        : XTarget(MaxPairsPerSet), YTarget(MaxPairsPerSet), YSD(MaxPairsPerSet),
          XSD(MaxPairsPerSet) {}

    int N = 0;
    std::vector<double> XTarget;
    std::vector<double> YTarget;
    std::vector<double> YSD; // WLS and Deming runs
    std::vector<double> XSD; // Deming runs
};

// How many of the N - 2 interior points fall in each of the five equal bins of the X range.
std::array<int, 5> BinCounts(XDistribution dist, int N);

// Fills target (which keeps its capacity) for the design's N and X range on the line given by
// slope and intercept, drawing the interior points from generator.
void BuildTargetDesign(const StudyDesign& design, double slope, double intercept,
                       RandomGenerator& generator, TargetDesign& target);

} // namespace kvor
