#include "studies/PowerRun.h"

#include "engine/FitDataSet.h"
#include "engine/RunWorkspace.h"
#include "studies/DrawAndFit.h"
#include "studies/EvaluationCache.h"
#include "studies/EvaluationTally.h"
#include "studies/FailedSetMessage.h"
#include "studies/SampleSizeSearch.h"
#include "studies/SearchPass.h"
#include "studies/SetStream.h"

#include <memory>

namespace kvor {

namespace {

constexpr int AttemptsPerCountedSet = 10;

class PowerRun {
public:
    PowerRun(const StudyDesign& design, const ImportedData* imported, PowerResults& results,
             const PowerRunControl& control)
        : m_design(design), m_imported(imported), m_results(results), m_control(control),
          m_workspace(std::make_unique<RunWorkspace>()), m_streamer(control.Threads),
          m_automatic(design.EstimationMode == EstimationMode::Automatic),
          m_allowedMiss(AllowedMissFor(design.DetectionRate)), m_use99(design.Significance < 0.05) {
    }

    PowerRunOutcome Run() {
        if (m_automatic) {
            m_results.Intervals.Totals = CriterionTotals{};
            m_results.Region.Totals = CriterionTotals{};
        }
        for (const Criterion c : {Criterion::ConfidenceIntervals, Criterion::ConfidenceRegion}) {
            if (!RunPass(c)) {
                return m_outcome;
            }
        }
        m_outcome.Completed = true;
        return m_outcome;
    }

private:
    bool RunPass(Criterion criterion) {
        DetectionSide& side = m_results.Side(criterion);
        side.TableLines.clear();
        const DisplayRefresh refresh = [&](int n) {
            UpdateDetectionSide(side, n, m_design.EstimationMode, m_design.DetectionRate,
                                m_control.DecimalSeparator);
            if (m_control.Refresh) {
                m_control.Refresh(criterion, n);
            }
        };
        const NEvaluator evaluate = [&](int n, bool fineSearch) {
            return Evaluate(criterion, n, fineSearch);
        };
        if (m_automatic) {
            EvaluationCache cache;
            return RunAutomaticPass(side.Automatic, cache, m_allowedMiss, evaluate, refresh)
                .has_value();
        }
        side.Automatic.Clear();
        return RunSpecifiedNPass(side.Manual, m_design.N, evaluate, refresh);
    }

    // Both passes of a specified-N run judge the same data sets: the region pass takes the
    // intervals pass's seed.
    void Seed(Criterion criterion, RunWorkspace& ws) {
        const bool shared = !m_automatic && criterion == Criterion::ConfidenceRegion;
        if (!m_control.SeedOverride && shared && m_sharedSeed) {
            ws.Generator.SetSeed(*m_sharedSeed);
            return;
        }
        const std::uint32_t seed = m_control.Seed(ws.Generator, ws.Design);
        if (!m_automatic) {
            m_sharedSeed = seed;
        }
    }

    bool Encloses(const RegressionOutcome& fit, Criterion criterion) const {
        if (criterion == Criterion::ConfidenceRegion) {
            return m_use99 ? fit.In99CR : fit.In95CR;
        }
        return m_use99 ? (fit.In99SlopeCI && fit.In99InterceptCI)
                       : (fit.In95SlopeCI && fit.In95InterceptCI);
    }

    void RecordFailure(const DataSet& data, FailCode failCode, int setNumber) {
        m_outcome.Failure = CaptureFailedSet(
            data, failCode, setNumber, FailedSetMessage(m_design.Regression, failCode, setNumber));
    }

    std::optional<EvaluationCounts> Evaluate(Criterion criterion, int n, bool fineSearch) {
        RunWorkspace& ws = *m_workspace;
        ws.Design = m_design;
        ws.Design.N = n;
        ws.Design.ImportSampling = ImportSampling::Random;
        ws.Design.FixedSeed = m_design.FixedSeed && !m_automatic;
        const auto seed = [this, criterion](RunWorkspace& w) { Seed(criterion, w); };
        if (!StartSets(ws, m_control, seed, m_design.ActualSlope, m_design.ActualIntercept)) {
            return std::nullopt;
        }
        ++m_outcome.Evaluations;
        DetectionSide& side = m_results.Side(criterion);
        EvaluationTally tally(m_design.SetsPerRun, m_allowedMiss, m_automatic, fineSearch);
        const long long attempts =
            static_cast<long long>(AttemptsPerCountedSet) * m_design.SetsPerRun;
        bool ended = false;
        StreamSets(
            ws, m_imported, m_control, FitDataSet, false, attempts,
            [&](const StreamedSet& streamed) {
                const SetStep& step = streamed.Step;
                if (step.FitMade) {
                    ++m_outcome.SetsFitted;
                }
                // An abort since the fit ends the evaluation before the set counts.
                if (step.End == SetEnd::Fitted && !m_control.Running()) {
                    ended = true;
                    return StreamGoOn::No;
                }
                if (step.End == SetEnd::FitFailed) {
                    RecordFailure(streamed.Data, step.Fit.FailCode, tally.Counts().Counted + 1);
                }
                // No pool to draw from ends the evaluation too; the design check
                // prevents it.
                if (step.End != SetEnd::Fitted) {
                    ended = true;
                    return StreamGoOn::No;
                }
                const RegressionOutcome& fit = step.Fit;
                if (!fit.Valid) {
                    return StreamGoOn::Yes;
                }
                m_control.ReportProgress(tally.Counts().Counted + 1);
                side.Totals.Add(fit.Slope, fit.Intercept);
                return tally.Count(Encloses(fit, criterion)) ? StreamGoOn::No : StreamGoOn::Yes;
            });
        if (ended) {
            return std::nullopt;
        }
        return tally.Counts();
    }

    const StudyDesign& m_design;
    const ImportedData* m_imported;
    PowerResults& m_results;
    const PowerRunControl& m_control;
    std::unique_ptr<RunWorkspace> m_workspace;
    SetStreamer m_streamer; // one set of threads for every evaluation of the run
    bool m_automatic;
    double m_allowedMiss;
    bool m_use99;
    std::optional<std::uint32_t> m_sharedSeed;
    PowerRunOutcome m_outcome;
};

} // namespace

PowerRunOutcome PCalculations(const StudyDesign& design, const ImportedData* imported,
                              PowerResults& results, const PowerRunControl& control) {
    PowerRun run(design, imported, results, control);
    return run.Run();
}

} // namespace kvor
