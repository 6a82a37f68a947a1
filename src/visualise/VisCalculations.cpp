#include "visualise/VisCalculations.h"

#include "engine/RunWorkspace.h"
#include "studies/DrawAndFit.h"
#include "studies/RunControl.h"
#include "studies/SampledLines.h"
#include "visualise/VisFits.h"
#include "visualise/VisRun.h"

#include <memory>

namespace kvor {

namespace {

constexpr int AttemptsPerSet = 10;

VisFitSettings SettingsFor(const StudyDesign& design, const CriticalValues& crit,
                           const VisRunRequest& request) {
    const bool at99 = design.Significance < 0.05;
    VisFitSettings s;
    s.C = at99 ? crit.Crit99 : crit.Crit95;
    s.F = at99 ? crit.F99 : crit.F95;
    s.TrueSlope = design.TrueSlope;
    s.TrueIntercept = design.TrueIntercept;
    const bool specified = design.EstimationMode == EstimationMode::SpecifiedN;
    s.Intervals = request.Kind == VisRunKind::Intervals || request.Also;
    s.Regions = request.Kind == VisRunKind::Region || request.Also || specified;
    return s;
}

// Draws and fits until the run holds VisSets sets; false when aborted, out of attempts or out of
// pairs to draw.
bool CollectSets(RunWorkspace& ws, const ImportedData* imported, const VisFitSettings& settings,
                 const RunControl& control, VisRun& run, VisRunOutcome& outcome) {
    VisSetFit fit;
    // The shared step wants a fit outcome; a rejected set is reported as one that failed.
    const SetFitter visFit = [&](RunWorkspace& w) {
        RegressionOutcome r;
        r.FailCode = VisFitDataSet(w, settings, control, fit) ? NoFailure : DegenerateSpread;
        return r;
    };
    const long long attempts = static_cast<long long>(AttemptsPerSet) * run.VisSets;
    while (outcome.Attempts < attempts) {
        ++outcome.Attempts;
        const SetStep step = DrawAndFit(ws, imported, 1, control, visFit, {});
        if (step.End == SetEnd::FitFailed && control.Running()) {
            continue;
        }
        if (step.End != SetEnd::Fitted) {
            return false;
        }
        StoreVisSet(run, fit);
        AddSampledLine(run.Lines, fit.Slope, fit.Intercept, ws.DataSet);
        control.ReportProgress(run.SetsDone);
        if (run.SetsDone == run.VisSets) {
            return true;
        }
    }
    return true;
}

} // namespace

VisRunOutcome VCalculations(const StudyDesign& design, const ImportedData* imported,
                            const VisRunRequest& request, VisRun& run, const RunControl& control) {
    VisRunOutcome outcome;
    const auto ws = std::make_unique<RunWorkspace>();
    ws->Design = design;
    ws->Design.N = request.VisN;
    ws->Design.ImportSampling = ImportSampling::Random;
    ws->Design.FixedSeed = false;
    StartVisRun(run, request.VisSets, request.VisN, false, false);
    const auto seed = [&](RunWorkspace& w) { outcome.Seed = control.Seed(w.Generator, w.Design); };
    if (!StartSets(*ws, control, seed, design.ActualSlope, design.ActualIntercept)) {
        return outcome;
    }
    const VisFitSettings settings = SettingsFor(design, ws->CriticalValues, request);
    run.WithIntervals = settings.Intervals;
    run.WithRegions = settings.Regions;
    if (!CollectSets(*ws, imported, settings, control, run, outcome)) {
        return outcome;
    }
    // The sampling-lines record is finished even when the attempts ran out.
    run.Lines.Count = run.VisSets;
    FinishSampledLines(run.Lines, YSpanTest::PlotRange);
    ScaleLinesAxes(run);
    if (run.SetsDone < run.VisSets) {
        return outcome;
    }
    outcome.Refusal = ScaleVisAxes(run, design.TrueSlope, design.TrueIntercept);
    if (outcome.Refusal != VisRefusal::None) {
        return outcome;
    }
    run.Counts = CountVisRun(run);
    run.ResultsAvailable = true;
    outcome.Completed = true;
    return outcome;
}

} // namespace kvor
