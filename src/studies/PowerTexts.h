#pragma once

namespace kvor::PowerTexts {

// Fixed texts of the Power tab's detection results.
inline constexpr const char* ResultsCaption = " Detection Results ";
inline constexpr const char* IntervalsHeader = "Confidence Intervals";
inline constexpr const char* RegionHeader = "Confidence Region";
inline constexpr const char* ColumnHeads = "   N       Detection    Data sets";
inline constexpr const char* RequiredNLabel = "Required N:";
inline constexpr const char* MeanSlopeLabel = "Mean Slope:";
inline constexpr const char* MeanInterceptLabel = "Intercept:";
inline constexpr const char* TotalSetsLabel = "Total data sets:";
inline constexpr const char* NoneFound = " > 5000";

// The explanations under the tables: as the window opens, then by significance item (0.05, 0.01).
inline constexpr const char* IntervalsExplanationAtStart =
    "95% confidence interval for either Slope or Intercept failed to enclose the Ideal "
    "relationship value.";
inline constexpr const char* RegionExplanationAtStart =
    "Joint 95% Slope, Intercept confidence region failed to enclose the Ideal relationship "
    "[Slope, Intercept] point.";
inline constexpr const char* IntervalsExplanation[2] = {
    "95% confidence interval for either Slope  or Intercept failed to enclose the Ideal "
    "relationship value.",
    "99% confidence interval for either Slope  or Intercept failed to enclose the Ideal "
    "relationship value."};
inline constexpr const char* RegionExplanation[2] = {
    "Joint 95% Slope, Intercept confidence region failed to enclose the Ideal [Slope, "
    "Intercept] point.",
    "Joint 99% Slope, Intercept confidence region failed to enclose the Ideal [Slope, "
    "Intercept] point."};

// Marks the answer line of a table; it is not painted.
inline constexpr char AnswerMark = 'B';

} // namespace kvor::PowerTexts
