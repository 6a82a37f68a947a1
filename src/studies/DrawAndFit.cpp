#include "studies/DrawAndFit.h"

#include "engine/CriticalValues.h"
#include "engine/DataSetDrawing.h"
#include "engine/FitDataSet.h"
#include "engine/RunWorkspace.h"
#include "engine/TargetDesign.h"
#include "studies/RunControl.h"

namespace kvor {

bool StartSets(RunWorkspace& ws, const RunControl& control,
               const std::function<void(RunWorkspace&)>& seed, double slope, double intercept) {
    ws.CriticalValues = ComputeCriticalValues(ws.Design);
    if (!control.Running()) {
        return false;
    }
    seed(ws);
    if (ws.Design.DataSource != DataSource::Generate) {
        return true;
    }
    // The X design and the per-point SDs are made together, once per run or evaluation.
    BuildTargetDesign(ws.Design, slope, intercept, ws.Generator, ws.TargetDesign);
    return control.Running();
}

SetStep DrawAndFit(RunWorkspace& ws, const ImportedData* imported, int setNumber,
                   const RunControl& control,
                   const std::function<void(const RegressionOutcome&)>& fitted) {
    return DrawAndFit(ws, imported, setNumber, control, FitDataSet, fitted);
}

SetStep DrawAndFit(RunWorkspace& ws, const ImportedData* imported, int setNumber,
                   const RunControl& control, const SetFitter& fit,
                   const std::function<void(const RegressionOutcome&)>& fitted) {
    return DrawAndFit(ws, ws.TargetDesign, imported, setNumber, control, fit, fitted);
}

SetStep DrawAndFit(RunWorkspace& ws, const TargetDesign& target, const ImportedData* imported,
                   int setNumber, const RunControl& control, const SetFitter& fit,
                   const std::function<void(const RegressionOutcome&)>& fitted) {
    SetStep step;
    if (!DrawDataSet(ws.Design, target, imported, setNumber, ws.Generator, ws.DataSet)) {
        step.End = SetEnd::NoData;
        return step;
    }
    GetVMinMax(ws.DataSet);
    if (!control.Running()) {
        return step;
    }
    step.Fit = fit(ws);
    step.FitMade = true;
    if (fitted) {
        fitted(step.Fit);
    }
    if (step.Fit.FailCode != NoFailure) {
        step.End = SetEnd::FitFailed;
        return step;
    }
    step.End = control.Running() ? SetEnd::Fitted : SetEnd::Aborted;
    return step;
}

} // namespace kvor
