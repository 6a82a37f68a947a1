#include "visualise/VisCalculations.h"

#include "engine/RunWorkspace.h"
#include "studies/DrawAndFit.h"
#include "studies/RunControl.h"
#include "studies/SampledLines.h"
#include "studies/SetStream.h"
#include "visualise/VisFits.h"
#include "visualise/VisRun.h"

#include <any>
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

// A set's visualisation fit as its workspace keeps it.
struct KeptVisFit {
    VisSetFit Fit;
    bool Usable = false;
};

// The visualisation fit as the set stream wants it: the fit is kept in the workspace, and a set
// that cannot be used still counts as fitted, so that the stream goes on past it.
SetFitter StreamedVisFit(const VisFitSettings& settings, const RunControl& control) {
    return [&settings, &control](RunWorkspace& w) {
        if (!w.FitKept.has_value()) {
            w.FitKept.emplace<KeptVisFit>();
        }
        auto& kept = std::any_cast<KeptVisFit&>(w.FitKept);
        kept.Usable = VisFitDataSet(w, settings, control, kept.Fit);
        return RegressionOutcome{};
    };
}

// Draws and fits until the run holds VisSets sets or the attempts run out; false when aborted or
// out of pairs to draw.
bool CollectSets(RunWorkspace& ws, const ImportedData* imported, const VisFitSettings& settings,
                 const RunControl& control, VisRun& run, VisRunOutcome& outcome) {
    const long long attempts = static_cast<long long>(AttemptsPerSet) * run.VisSets;
    bool stopped = false;
    outcome.Attempts =
        StreamSets(ws, imported, control, StreamedVisFit(settings, control), false, attempts,
                   [&](const StreamedSet& set) {
                       if (set.Step.End != SetEnd::Fitted) {
                           stopped = true;
                           return StreamGoOn::No;
                       }
                       const auto& kept = std::any_cast<const KeptVisFit&>(set.Ws.FitKept);
                       if (!kept.Usable) {
                           return StreamGoOn::Yes;
                       }
                       const VisSetFit& fit = kept.Fit;
                       StoreVisSet(run, fit);
                       AddSampledLine(run.Lines, fit.Slope, fit.Intercept, set.Data);
                       control.ReportProgress(run.SetsDone);
                       return run.SetsDone == run.VisSets ? StreamGoOn::No : StreamGoOn::Yes;
                   });
    return !stopped;
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
