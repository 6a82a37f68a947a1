#pragma once

#include <string>

namespace kvor {

struct CriterionTotals;

// The panels of one side of the Power results, in the order they are shown.
enum class DetectionPanel { RequiredN, TotalSets, MeanSlope, MeanIntercept };
inline constexpr int DetectionPanelCount = 4;

// The texts of one side's panels; an empty text is a blank panel.
struct DetectionPanelTexts {
    std::string RequiredN;
    std::string TotalSets;
    std::string MeanSlope;
    std::string MeanIntercept;

    const std::string& Text(DetectionPanel panel) const;
};

// Answer store 0: blank; 1..5000: " " + N; above: " > 5000".
std::string RequiredNText(int answerStore);

// A mean with a precision chosen by its magnitude, at most 13 characters.
std::string FormatMean(double x, char decimalSeparator);

DetectionPanelTexts PanelTexts(int answerStore, const CriterionTotals& totals,
                               char decimalSeparator);

} // namespace kvor
