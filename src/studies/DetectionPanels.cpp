#include "studies/DetectionPanels.h"

#include "engine/ExtendedMath.h"
#include "studies/DetectionDisplay.h"
#include "studies/DetectionTable.h"
#include "studies/NumberFormats.h"
#include "studies/PowerTexts.h"

#include <cmath>

namespace kvor {

namespace {

std::string Blank(const std::string& text) {
    std::string panel(1, ' ');
    panel += text;
    return panel;
}

int MeanPrecision(double magnitude) {
    if (magnitude >= 1) {
        return 10;
    }
    if (magnitude >= 0.1) {
        return 8;
    }
    if (magnitude >= 0.01) {
        return 7;
    }
    if (magnitude >= 0.001) {
        return 6;
    }
    if (magnitude >= 0.0001) {
        return 5;
    }
    return magnitude >= 1e-9 ? 6 : 5;
}

constexpr std::size_t MeanWidth = 13;

} // namespace

std::string RequiredNText(int answerStore) {
    if (answerStore == AnswerNotShown) {
        return "";
    }
    if (answerStore > 5000) {
        return PowerTexts::NoneFound;
    }
    return Blank(std::to_string(answerStore));
}

std::string FormatMean(double x, char decimalSeparator) {
    // Cutting a long scientific text would cut its exponent and show a wrong value, so the
    // mantissa gives up digits instead until the text fits.
    int precision = MeanPrecision(std::fabs(x));
    std::string text = FormatG(x, precision, decimalSeparator);
    while (text.size() > MeanWidth && precision > 1) {
        text = FormatG(x, --precision, decimalSeparator);
    }
    return text;
}

const std::string& DetectionPanelTexts::Text(DetectionPanel panel) const {
    switch (panel) {
    case DetectionPanel::RequiredN:
        return RequiredN;
    case DetectionPanel::TotalSets:
        return TotalSets;
    case DetectionPanel::MeanSlope:
        return MeanSlope;
    case DetectionPanel::MeanIntercept:
        break;
    }
    return MeanIntercept;
}

DetectionPanelTexts PanelTexts(int answerStore, const CriterionTotals& totals,
                               char decimalSeparator) {
    DetectionPanelTexts texts;
    texts.RequiredN = RequiredNText(answerStore);
    if (totals.Count < 1) {
        return texts;
    }
    const auto count = static_cast<ext>(totals.Count);
    const double meanSlope = totals.SlopeSum / count;
    const double meanIntercept = totals.InterceptSum / count;
    texts.TotalSets = Blank(std::to_string(totals.Count));
    texts.MeanSlope = Blank(FormatMean(meanSlope, decimalSeparator));
    texts.MeanIntercept = Blank(FormatMean(meanIntercept, decimalSeparator));
    return texts;
}

} // namespace kvor
