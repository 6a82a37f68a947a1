#pragma once

#include "engine/RegressionOutcome.h"

#include <functional>

namespace kvor {

struct ImportedData;
struct RunControl;
struct RunWorkspace;
struct TargetDesign;

// Computes the workspace's critical values, seeds its generator and, for generated data, builds
// its target design on the given line. Returns false when the run was aborted on the way.
bool StartSets(RunWorkspace& ws, const RunControl& control,
               const std::function<void(RunWorkspace&)>& seed, double slope, double intercept);

enum class SetEnd { Fitted, NoData, Aborted, FitFailed };

struct SetStep {
    SetEnd End = SetEnd::Aborted;
    RegressionOutcome Fit; // meaningful for Fitted and FitFailed
    bool FitMade = false;  // the set was fitted (also when an abort followed the fit)
};

using SetFitter = std::function<RegressionOutcome(RunWorkspace&)>;

// One data set of a run: drawn into the workspace (around its target design or from `imported`),
// fitted, and judged against the abort flag before and after the fit. `fitted` sees every fit
// made, failed or not, before anything else is done with it.
SetStep DrawAndFit(RunWorkspace& ws, const ImportedData* imported, int setNumber,
                   const RunControl& control,
                   const std::function<void(const RegressionOutcome&)>& fitted = {});

// The same with a fit of the caller's own.
SetStep DrawAndFit(RunWorkspace& ws, const ImportedData* imported, int setNumber,
                   const RunControl& control, const SetFitter& fit,
                   const std::function<void(const RegressionOutcome&)>& fitted);

// The same around a target design held elsewhere (the workspace's own is not used).
SetStep DrawAndFit(RunWorkspace& ws, const TargetDesign& target, const ImportedData* imported,
                   int setNumber, const RunControl& control, const SetFitter& fit,
                   const std::function<void(const RegressionOutcome&)>& fitted);

} // namespace kvor
