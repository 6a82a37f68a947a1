#pragma once

#include "engine/CriticalValues.h"
#include "engine/DataSet.h"
#include "engine/DemingScratch.h"
#include "engine/RandomGenerator.h"
#include "engine/StudyDesign.h"
#include "engine/TargetDesign.h"
#include "engine/WLSRegression.h"

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
};

} // namespace kvor
