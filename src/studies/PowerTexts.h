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

// Marks the answer line of a table; it is not painted.
inline constexpr char AnswerMark = 'B';

} // namespace kvor::PowerTexts
