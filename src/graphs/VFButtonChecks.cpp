#include "graphs/VFButtonChecks.h"

#include "engine/ImportedData.h"
#include "engine/StudyDesign.h"
#include "graphs/VFCurveSet.h"
#include "graphs/VFMessages.h"
#include "graphs/VFPlotCheck.h"
#include "graphs/VFTexts.h"
#include "studies/DesignCheck.h"
#include "studies/LineCheck.h"

namespace kvor {

namespace {

struct Examined {
    int Function;
    double Lo;
    double Hi;
    DesignFocus Focus;
};

// The functions the button examines, with the range each is examined over.
std::vector<Examined> FunctionsToExamine(const StudyDesign& design, StudyTab tab,
                                         const PoolExtremes& imported, VFCurveSet& set) {
    const bool generated = design.DataSource == DataSource::Generate;
    const bool ols = design.Regression == RegressionType::OLS;
    std::vector<Examined> examined;
    if (ols && !generated) {
        return examined;
    }
    const TargetRange targets =
        generated ? TargetYRange(design, tab) : TargetRange{imported.MinY, imported.MaxY};
    VarianceFunction y = design.YVariance;
    if (ols) {
        y = VarianceFunction{
            .Form = 2, .Para = 0, .B1 = design.ConstantVariance, .B2 = 0, .B3 = 0, .J = 1};
    }
    set.Curve(VFYFunction) = MakeVFCurve(y, targets.Lo, targets.Hi);
    examined.push_back(
        {VFYFunction, targets.Lo, targets.Hi, ols ? DesignFocus::Variance : DesignFocus::YB1});
    if (design.Regression == RegressionType::Deming) {
        const double lo = generated ? design.XMin : imported.MinX;
        const double hi = generated ? design.XMax : imported.MaxX;
        set.Curve(VFXFunction) = MakeVFCurve(design.XVariance, lo, hi);
        examined.push_back({VFXFunction, lo, hi, DesignFocus::XB1});
    }
    return examined;
}

} // namespace

VFButtonOutcome CheckVFButton(const StudyDesign& design, StudyTab tab, const PoolExtremes& imported,
                              GraphOptions& options, char decimalSeparator) {
    VFButtonOutcome outcome;
    const bool generated = design.DataSource == DataSource::Generate;
    const VFTexts::LineWording& line =
        tab == StudyTab::Accuracy ? VFTexts::TrueLine : VFTexts::ActualLine;
    if (generated) {
        if (auto refusal = CheckXRangeAndLine(design, tab, line.NegativeStart, line.NegativeEnd,
                                              decimalSeparator)) {
            outcome.Focus = refusal->Focus;
            outcome.Messages.push_back(
                {MessageKind::Error, std::move(refusal->Message), refusal->Focus});
            return outcome;
        }
    }

    const std::vector<Examined> examined = FunctionsToExamine(design, tab, imported, outcome.Set);
    outcome.FunctionsExamined = static_cast<int>(examined.size());
    for (const Examined& e : examined) {
        VFCurve& curve = outcome.Set.Curve(e.Function);
        CheckVarianceFunctionPlotting(curve);
        outcome.DialogOpens = outcome.DialogOpens || curve.Plottable;
        const VFMessageContext context{generated, design.Regression == RegressionType::OLS, line,
                                       MessageRangeText(e.Lo, e.Hi, decimalSeparator)};
        std::string text = VFFunctionMessage(e.Function, curve, context);
        if (!text.empty()) {
            outcome.Messages.push_back({MessageKind::Error, std::move(text), e.Focus});
        }
    }
    if (outcome.DialogOpens) {
        CompleteVFCurveSet(outcome.Set, options);
        for (VFMessage& message : outcome.Messages) {
            message.Kind = MessageKind::Warning;
        }
    }
    if (!outcome.Messages.empty()) {
        outcome.Focus = outcome.Messages.front().Focus;
    }
    return outcome;
}

} // namespace kvor
