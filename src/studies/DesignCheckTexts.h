#pragma once

#include <string_view>

// The refusals of the design checks, word for word. Pieces that name the line differ between
// the Accuracy tab (the true line) and the Power tab (the actual line): see LineWording.
namespace kvor::DesignCheckTexts {

inline constexpr std::string_view RatioTooSmall = "The X-range Max/Min ratio must be >= 1.2.";

inline constexpr std::string_view NegativeOverEntireRange = "over the entire range of X-values";
inline constexpr std::string_view NegativeBelowX = "for values of X < ";
inline constexpr std::string_view NegativeAboveX = "for values of X > ";
inline constexpr std::string_view NegativeModify =
    ".  You will need to modify either the range of the ";

struct LineWording {
    std::string_view NegativeStart;
    std::string_view NegativeEnd;
    std::string_view ByAdjusting;   // codes 2 (generated) and 4
    std::string_view OlsLowerEnd;   // code 3, OLS
    std::string_view AdjustingTail; // code 3, WLS and Deming
    std::string_view LowerEndTail;  // codes 7 and 8, generated
    std::string_view UpperEndTail;  // codes 9 and 10, generated
    std::string_view YRangeTail;    // code 12, generated
};

inline constexpr LineWording TrueLine{
    "The true Slope and Intercept values produce (target) Y-values < 0 ",
    " X-values or the true Slope and Intercept values.",
    "(by adjusting the X-values and/or the true Slope and Intercept values).",
    "Y-variance or adjust the lower end of the Y-range (by adjusting the X-values and/or the true "
    "Slope ",
    "adjusting the X-values and/or the true Slope and Intercept values).",
    "lower end of the Y-range (by adjusting the X-values and/or the true Slope and Intercept "
    "values).",
    "upper end of the Y-range (by adjusting the X-values and/or the true Slope and Intercept "
    "values).",
    "Y-range (by adjusting the X-values and/or the true Slope and Intercept values).",
};

inline constexpr LineWording ActualLine{
    "The actual Slope and Intercept values produce (target) Y-values < 0 ",
    " X-values or the actual Slope and Intercept values.",
    "(by adjusting the X-values and/or the actual Slope and Intercept values).",
    "Y-variance or adjust the lower end of the Y-range (by adjusting the X-values and/or the "
    "actual Slope ",
    "adjusting the X-values and/or the actual Slope and Intercept values).",
    "lower end of the Y-range (by adjusting the X-values and/or the actual Slope and Intercept "
    "values).",
    "upper end of the Y-range (by adjusting the X-values and/or the actual Slope and Intercept "
    "values).",
    "Y-range (by adjusting the X-values and/or the actual Slope and Intercept values).",
};

// Shared tails.
inline constexpr std::string_view FullStop = ".";
inline constexpr std::string_view SentenceBreak = ".  ";
inline constexpr std::string_view Inaccurate =
    ".  Numerical inaccuracies are virtually guaranteed.  ";
inline constexpr std::string_view ModifyY =
    "You will need to modify the Y-variance function parameters.";
inline constexpr std::string_view ModifyX =
    "You will need to modify the X-variance function parameters.";
inline constexpr std::string_view ModifyYOrAdjust =
    "You will need to either modify the Y-variance function parameters or adjust the ";

// The rule against negative simulated values, for each function.
inline constexpr std::string_view NegativeRuleY =
    "The error associated with each target Y-value must be such that if randomly generated "
    "results extend into the negative region their magnitudes must not exceed 2.5% of the largest "
    "target Y-value.  The likely lower boundary of randomly generated results is calculated as "
    "[Target - 2.5SDs].";
inline constexpr std::string_view NegativeRuleX =
    "The error associated with each target X-value must be such that if randomly generated "
    "results extend into the negative region their magnitudes must not exceed 2.5% of the largest "
    "target X-value.  The likely lower boundary of randomly generated results is calculated as "
    "[Target - 2.5SDs].";

// Y function, codes 1 to 12.
inline constexpr std::string_view Y1Forms23 =
    "Either parameter B1 or parameter B2 of the Y-variance function must be > 0,  ie. predicted "
    "variance must be > 0 across the entire Y-range ";
inline constexpr std::string_view Y1Form4 =
    "At least one of the parameters B1, B2 or B3 of the Y-variance function must be > 0,  ie. "
    "predicted variance must be > 0 across the entire Y-range ";
inline constexpr std::string_view Y2Generated =
    "The Y-variance function does not predict positive variances (hence weights) over the entire "
    "range of target Y-values ";
inline constexpr std::string_view Y2GeneratedAdjust =
    "You will need to either modify the Y-variance function parameters or adjust the Y-range ";
inline constexpr std::string_view Y2Imported =
    "The Y-variance function does not predict positive variances (hence weights) over the entire "
    "range of the imported Y-values ";
inline constexpr std::string_view Y3Ols =
    "  This requirement is not satisfied here.  You will need to either reduce the specified ";
inline constexpr std::string_view Y3OlsEnd = "and Intercept values).";
inline constexpr std::string_view Y3Weighted =
    "  This requirement is not satisfied at the lower end of the Y-range.  You will need to "
    "either modify the Y-variance function parameters or adjust the lower end of the Y-range (by ";
inline constexpr std::string_view Y4 =
    "  This requirement is not satisfied at the upper end of the Y-range.  You will need to either "
    "modify the Y-variance function parameters or adjust the upper end of the Y-range ";
inline constexpr std::string_view Y5 =
    "  This requirement is not satisfied at either end of the Y-range.  You will need to modify "
    "the Y-variance function parameters.";
inline constexpr std::string_view Y6 =
    "  This requirement is not satisfied in the central part of the Y-range.  You will need to "
    "modify the Y-variance function parameters.";
inline constexpr std::string_view Y7Generated =
    "The Y-variance function predicts very small variance (< 10**(-280)) at the lower end of the "
    "target Y-range ";
inline constexpr std::string_view Y7Imported =
    "The Y-variance function predicts very small variance (< 10**(-280)) at the lower end of the "
    "imported Y-range ";
inline constexpr std::string_view Y8Generated =
    "The Y-variance function predicts very large variance (> 10**280) at the lower end of the "
    "target Y-range ";
inline constexpr std::string_view Y8Imported =
    "The Y-variance function predicts very large variance (> 10**280) at the lower end of the "
    "imported Y-range ";
inline constexpr std::string_view Y9Generated =
    "The Y-variance function predicts very small variance (< 10**(-280)) at the upper end of the "
    "target Y-range ";
inline constexpr std::string_view Y9Imported =
    "The Y-variance function predicts very small variance (< 10**(-280)) at the upper end of the "
    "imported Y-range ";
inline constexpr std::string_view Y10Generated =
    "The Y-variance function predicts very large variance (> 10**280) at the upper end of the "
    "target Y-range ";
inline constexpr std::string_view Y10Imported =
    "The Y-variance function predicts very large variance (> 10**280) at the upper end of the "
    "imported Y-range ";
inline constexpr std::string_view Y11 =
    "The Y-variance function predicts out-of-range variances (allowed range: 10**(-280) to "
    "10**280) in the central part of the Y-range ";
inline constexpr std::string_view Y12Generated =
    "The Y-variance function predicts a relative change in variance (hence weights) > 10**12 over "
    "the range of the target Y-values ";
inline constexpr std::string_view Y12Imported =
    "The Y-variance function predicts a relative change in variance (hence weights) > 10**12 over "
    "the range of imported Y-values ";

// X function, codes 101 to 112 (Deming only).
inline constexpr std::string_view X101Forms23 =
    "Either parameter B1 or parameter B2 of the X-variance function must be > 0,  ie. predicted "
    "variance must be > 0 across the entire X-range.";
inline constexpr std::string_view X101Form4 =
    "At least one of the parameters B1, B2 or B3 of the X-variance function must be > 0,  ie. "
    "predicted variance must be > 0 across the entire X-range.";
inline constexpr std::string_view X102Generated =
    "The X-variance function does not predict positive variances (hence weights) over the entire "
    "X-range.  You will need to either modify the X-variance function parameters or adjust the "
    "X-range.";
inline constexpr std::string_view X102Imported =
    "The X-variance function does not predict positive variances (hence weights) over the entire "
    "range of the imported X-values ";
inline constexpr std::string_view X103 =
    "  This requirement is not satisfied at the lower end of the X-range.  You will need to either "
    "modify the X-variance function parameters or adjust the lower end of the X-range.";
inline constexpr std::string_view X104 =
    "  This requirement is not satisfied at the upper end of the X-range.  You will need to either "
    "modify the X-variance function parameters or adjust the upper end of the X-range.";
inline constexpr std::string_view X105 =
    "  This requirement is not satisfied at either end of the X-range.  You will need to modify "
    "the X-variance function parameters.";
inline constexpr std::string_view X106 =
    "  This requirement is not satisfied in the central part of the X-range.  You will need to "
    "modify the X-variance function parameters.";
inline constexpr std::string_view X107Generated =
    "The X-variance function predicts very small variance (< 10**(-280)) at the lower end of the "
    "target X-range.  Numerical inaccuracies are virtually guaranteed.  You will need to either "
    "modify the X-variance function parameters or adjust the lower end of the X-range.";
inline constexpr std::string_view X107Imported =
    "The X-variance function predicts very small variance (< 10**(-280)) at the lower end of the "
    "imported X-range ";
inline constexpr std::string_view X108Generated =
    "The X-variance function predicts very large variance (> 10**280) at the lower end of the "
    "target X-range.  Numerical inaccuracies are virtually guaranteed.  You will need to either "
    "modify the X-variance function parameters or adjust the lower end of the X-range.";
inline constexpr std::string_view X108Imported =
    "The X-variance function predicts very large variance (> 10**280) at the lower end of the "
    "imported X-range ";
inline constexpr std::string_view X109Generated =
    "The X-variance function predicts very small variance (< 10**(-280)) at the upper end of the "
    "target X-range.  Numerical inaccuracies are virtually guaranteed.  You will need to either "
    "modify the X-variance function parameters or adjust the upper end of the X-range.";
inline constexpr std::string_view X109Imported =
    "The X-variance function predicts very small variance (< 10**(-280)) at the upper end of the "
    "imported X-range ";
inline constexpr std::string_view X110Generated =
    "The X-variance function predicts very large variance (> 10**280) at the upper end of the "
    "target X-range.  Numerical inaccuracies are virtually guaranteed.  You will need to either "
    "modify the X-variance function parameters or adjust the upper end of the X-range.";
inline constexpr std::string_view X110Imported =
    "The X-variance function predicts very large variance (> 10**280) at the upper end of the "
    "imported X-range ";
inline constexpr std::string_view X111Generated =
    "The X-variance function predicts out-of-range variances (allowed range: 10**(-280) to "
    "10**280) in the central part of the target X-range.  Numerical inaccuracies are virtually "
    "guaranteed.  You will need to either modify the X-variance function parameters or adjust the "
    "X-range.";
inline constexpr std::string_view X111Imported =
    "The X-variance function predicts out-of-range variances (allowed range: 10**(-280) to "
    "10**280) in the central part of the imported X-range ";
inline constexpr std::string_view X112Generated =
    "The X-variance function predicts a relative change in variance (hence weights) > 10**12 over "
    "the range of the target X-values.  Numerical inaccuracies are virtually guaranteed.  You will "
    "need to either modify the X-variance function parameters or adjust the X-range.";
inline constexpr std::string_view X112Imported =
    "The X-variance function predicts a relative change in variance (hence weights) > 10**12 over "
    "the range of imported X-values ";

// Ranges in messages read "(lo to hi)".
inline constexpr std::string_view RangeOpen = "(";
inline constexpr std::string_view RangeTo = " to ";
inline constexpr std::string_view RangeClose = ")";

} // namespace kvor::DesignCheckTexts
