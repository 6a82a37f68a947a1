#include "studies/AccuracyRun.h"

#include "engine/ExtendedMath.h"
#include "engine/FitDataSet.h"
#include "engine/RunResults.h"
#include "engine/RunWorkspace.h"
#include "studies/AccuracyTexts.h"
#include "studies/DrawAndFit.h"
#include "studies/FailedSetMessage.h"
#include "studies/NumberFormats.h"
#include "studies/SampledLines.h"
#include "studies/SetStream.h"

#include <cmath>
#include <memory>

namespace kvor {

namespace {

// Running value += term, the sum rounded to double after each addition.
void Accumulate(double& sum, ext term) {
    sum = ToDouble(static_cast<ext>(sum) + term);
}

class AccuracyRun {
public:
    AccuracyRun(const StudyDesign& design, const ImportedData* imported, RunResults& runResults,
                const AccuracyRunControl& control)
        : m_imported(imported), m_results(runResults), m_control(control),
          m_ws(std::make_unique<RunWorkspace>()) {
        m_ws->Design = design;
    }

    AccuracyRunOutcome Run() {
        RunWorkspace& ws = *m_ws;
        const StudyDesign& design = ws.Design;
        const auto seed = [this](RunWorkspace& w) {
            m_outcome.Seed = m_control.Seed(w.Generator, w.Design);
        };
        if (!StartSets(ws, m_control, seed, design.TrueSlope, design.TrueIntercept)) {
            return Ended(RunEnd::Aborted);
        }
        ResetRunResults(m_results);
        RunEnd end = RunEnd::Completed;
        StreamSets(ws, m_imported, m_control, FitDataSet, true, design.SetsPerRun,
                   [&](const StreamedSet& streamed) {
                       end = Consume(streamed);
                       return end == RunEnd::Completed ? StreamGoOn::Yes : StreamGoOn::No;
                   });
        if (end != RunEnd::Completed) {
            return Ended(end);
        }
        m_outcome.Results = Summarise();
        FinishRunResults(*m_outcome.Results);
        return Ended(RunEnd::Completed);
    }

private:
    // One set in set order: counted and stored, or the end of the run.
    RunEnd Consume(const StreamedSet& streamed) {
        const int set = static_cast<int>(streamed.Attempt);
        const SetStep& step = streamed.Step;
        const StudyDesign& design = m_ws->Design;
        SetEnd end = step.End;
        if (step.FitMade) {
            m_control.ReportProgress(set);
            // An abort from the progress report stops the run before this set counts.
            if (end == SetEnd::Fitted && !m_control.Running()) {
                end = SetEnd::Aborted;
            }
        }
        switch (end) {
        case SetEnd::NoData:
            m_outcome.Failure =
                CaptureFailedSet(streamed.Data, NoFailure, set, AccuracyTexts::PoolExhausted(set));
            return RunEnd::Failed;
        case SetEnd::FitFailed:
            m_outcome.Failure =
                CaptureFailedSet(streamed.Data, step.Fit.FailCode, set,
                                 FailedSetMessage(design.Regression, step.Fit.FailCode, set));
            return RunEnd::Failed;
        case SetEnd::Aborted:
            return RunEnd::Aborted;
        case SetEnd::Fitted:
            break;
        }
        Tally(step.Fit);
        AddSampledLine(m_results, step.Fit.Slope, step.Fit.Intercept, streamed.Data);
        if (m_control.SetFitted) {
            m_control.SetFitted(set, streamed.Data, step.Fit);
        }
        return RunEnd::Completed;
    }

    AccuracyRunOutcome Ended(RunEnd end) {
        m_outcome.End = end;
        return std::move(m_outcome);
    }

    void Tally(const RegressionOutcome& fit) {
        Accumulate(m_sumSlope, fit.Slope);
        Accumulate(m_sumSlope2, static_cast<ext>(fit.Slope) * fit.Slope);
        Accumulate(m_sumIntercept, fit.Intercept);
        Accumulate(m_sumIntercept2, static_cast<ext>(fit.Intercept) * fit.Intercept);
        if (!fit.Valid) {
            return;
        }
        ++m_validCount;
        const bool flags[6] = {fit.In95SlopeCI,     fit.In99SlopeCI, fit.In95InterceptCI,
                               fit.In99InterceptCI, fit.In95CR,      fit.In99CR};
        for (int i = 0; i < 6; ++i) {
            m_enclosed[i] += flags[i] ? 1 : 0;
        }
    }

    AccuracyResults Summarise() const {
        const StudyDesign& design = m_ws->Design;
        const char sep = m_control.DecimalSeparator;
        AccuracyResults results;
        results.Slope =
            SummariseEstimates(m_sumSlope, m_sumSlope2, design.SetsPerRun, design.TrueSlope, sep);
        results.Intercept = SummariseEstimates(m_sumIntercept, m_sumIntercept2, design.SetsPerRun,
                                               design.TrueIntercept, sep);
        results.ValidCount = m_validCount;
        results.Enclosed = m_enclosed;
        AccuracyPanels& p = results.Panels;
        p[AccuracyPanel::SlopeMean] = results.Slope.MeanText;
        p[AccuracyPanel::SlopeSD] = results.Slope.SDText;
        p[AccuracyPanel::SlopeZ] = results.Slope.ZText;
        p[AccuracyPanel::SlopeP] = results.Slope.PText;
        p[AccuracyPanel::InterceptMean] = results.Intercept.MeanText;
        p[AccuracyPanel::InterceptSD] = results.Intercept.SDText;
        p[AccuracyPanel::InterceptZ] = results.Intercept.ZText;
        p[AccuracyPanel::InterceptP] = results.Intercept.PText;
        // The enclosure panels follow in the order of the counts.
        for (int i = 0; i < 6; ++i) {
            p[static_cast<AccuracyPanel>(static_cast<int>(AccuracyPanel::Slope95) + i)] =
                FormatPercentage(m_enclosed[i], m_validCount, sep);
        }
        return results;
    }

    void FinishRunResults(AccuracyResults& results) {
        FinishSampledLines(m_results, YSpanTest::FittedValues);
        results.LinesZeroOrigin = m_results.PlotXMin < 0 && m_results.PlotYMin < 0;
    }

    const ImportedData* m_imported;
    RunResults& m_results;
    const AccuracyRunControl& m_control;
    std::unique_ptr<RunWorkspace> m_ws;
    AccuracyRunOutcome m_outcome;
    double m_sumSlope = 0;
    double m_sumSlope2 = 0;
    double m_sumIntercept = 0;
    double m_sumIntercept2 = 0;
    int m_validCount = 0;
    std::array<int, 6> m_enclosed{};
};

} // namespace

const char* PanelKey(AccuracyPanel panel) {
    static constexpr std::array<const char*, AccuracyPanelCount> keys{
        "ASlopeMeanPanel", "ASlopeSDPanel",   "SlopeZLabel",     "SlopePLabel",
        "AIntMeanPanel",   "AIntSDPanel",     "InterceptZLabel", "InterceptPLabel",
        "A95SlopeCIPanel", "A99SlopeCIPanel", "A95IntCIPanel",   "A99IntCIPanel",
        "A95CRPanel",      "A99CRPanel"};
    return keys[static_cast<std::size_t>(panel)];
}

std::vector<std::pair<std::string, std::string>> AccuracyPanels::Named() const {
    std::vector<std::pair<std::string, std::string>> named;
    for (std::size_t i = 0; i < AccuracyPanelCount; ++i) {
        named.emplace_back(PanelKey(static_cast<AccuracyPanel>(i)), Texts[i]);
    }
    return named;
}

AccuracyRunOutcome ACalculations(const StudyDesign& design, const ImportedData* imported,
                                 RunResults& runResults, const AccuracyRunControl& control) {
    AccuracyRun run(design, imported, runResults, control);
    return run.Run();
}

} // namespace kvor
