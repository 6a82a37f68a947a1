#pragma once

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/DemingScratch.h"
#include "engine/RandomGenerator.h"
#include "engine/StudyDesign.h"
#include "engine/TargetDesign.h"
#include "engine/WLSRegression.h"

#include <any>

namespace kvor {

// The records one run works on. A run owns its workspace, so two runs never share state.
struct RunWorkspace {
    StudyDesign Design;
    kvor::CriticalValues CriticalValues;
    kvor::DataSet DataSet;
    RandomGenerator Generator;
    kvor::TargetDesign TargetDesign;
    kvor::WLSScratch WLSScratch;
    DemingScratch Deming;
    // What a fit of the caller's own keeps for the set beyond its outcome; each workspace has its
    // own, so fits on several threads never share it.
    std::any FitKept;
};

} // namespace kvor
