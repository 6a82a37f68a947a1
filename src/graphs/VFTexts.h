#pragma once

#include <string_view>

// The messages of the variance-function plot button, word for word, and the captions of its
// dialog. Pieces naming the line read "true" on the Accuracy tab and "actual" on the Power tab.
namespace kvor::VFTexts {

struct LineWording {
    std::string_view NegativeStart;
    std::string_view NegativeEnd;
    std::string_view ByAdjusting;
};

inline constexpr LineWording TrueLine{
    "The true Slope and Intercept values will result in the generation of Y-values < 0 ",
    " X-values or the true Slope and Intercept values.",
    "(by adjusting the X-values and/or the true Slope and Intercept values).",
};

inline constexpr LineWording ActualLine{
    "The actual Slope and Intercept values will result in the generation of Y-values < 0 ",
    " X-values or the actual Slope and Intercept values.",
    "(by adjusting the X-values and/or the actual Slope and Intercept values).",
};

inline constexpr std::string_view SentenceBreak = ".  ";
inline constexpr std::string_view PlotAborted =
    ".  The Y-variance function plot is therefore aborted.";
inline constexpr std::string_view XPlotAborted =
    ".  The X-variance function plot is therefore aborted.";
inline constexpr std::string_view ModifyY =
    "You will need to modify the Y-variance function parameters.";
inline constexpr std::string_view ModifyX =
    "You will need to modify the X-variance function parameters.";
inline constexpr std::string_view ModifyYOrAdjust =
    "You will need to either modify the Y-variance function parameters or adjust the Y-range ";
inline constexpr std::string_view Discontinuity = ".  This can produce a discontinuity and the ";
inline constexpr std::string_view DiscontinuityAborted = "plot is therefore aborted.  ";
inline constexpr std::string_view YTooLarge =
    "The Y-variance function predicts excessively large variances (at least for plotting "
    "purposes) ";
inline constexpr std::string_view XTooLarge =
    "The X-variance function predicts excessively large variances (at least for plotting "
    "purposes) ";

// Y function, generated data ("target") and imported data.
inline constexpr std::string_view Y1Generated =
    "The Y-variance function will be plotted for illustration purposes.    However it predicts "
    "zero or negative variances over part of the range of target Y-values ";
inline constexpr std::string_view Y1Imported =
    "The Y-variance function will be plotted for illustration purposes.  However it predicts zero "
    "or negative variances over part of the range of imported Y-values ";
inline constexpr std::string_view Y2Generated =
    "The Y-variance function predicts zero or negative variances over the entire range of target "
    "Y-values ";
inline constexpr std::string_view Y2Imported =
    "The Y-variance function predicts zero or negative variances over the entire range of "
    "imported Y-values ";
inline constexpr std::string_view AtLowerEnd = "at the lower end of the ";
inline constexpr std::string_view AtUpperEnd = "at the upper end of the ";
inline constexpr std::string_view OverEntire = "over the entire ";
inline constexpr std::string_view OverCentral = "over the central part of the ";
inline constexpr std::string_view OverCentralMisspelt = "over the cantral part of the ";
inline constexpr std::string_view TargetYRange = "target Y-range ";
inline constexpr std::string_view ImportedYRange = "imported Y-range ";
inline constexpr std::string_view ImportedXRange = "imported X-range ";
inline constexpr std::string_view XRange = "X-range";
inline constexpr std::string_view Y5Ols =
    "The specified Y-variance is excessively large for plotting purposes.  The Y-variance "
    "function plot is therefore aborted.";
inline constexpr std::string_view Y7Generated =
    "The Y-variance function (turning point function) predicts zero or negative variances over "
    "part of the range of target Y-values ";
inline constexpr std::string_view Y7Imported =
    "The Y-variance function (turning point function) predicts zero or negative variances over "
    "part of the range of imported Y-values ";
inline constexpr std::string_view YCvNoteOls = "The specified Y-variance translates to CV > 100% "
                                               "over the entire ";
inline constexpr std::string_view YCvNote = "The Y-variance function translates to CV > 100% over "
                                            "the entire ";
inline constexpr std::string_view XCvNote = "The X-variance function translates to CV > 100% over "
                                            "the entire ";
inline constexpr std::string_view CvNoteEnd =
    ", ie. the CV(%) plotting option is cancelled for the ";
inline constexpr std::string_view YFunctionEnd = "Y-variance function.";
inline constexpr std::string_view XFunctionEnd = "X-variance function.";

// X function, generated data (no range given) and imported data.
inline constexpr std::string_view X1Generated =
    "The X-variance function will be plotted for illustration purposes.    However it predicts "
    "negative variances over part of the range of X-values.  You will need to either modify the "
    "X-variance function parameters or adjust the X-range.";
inline constexpr std::string_view X1Imported =
    "The X-variance function will be plotted for illustration purposes.  However it predicts "
    "negative variances over part of the range of imported X-values ";
inline constexpr std::string_view X2Generated =
    "The X-variance function predicts negative variances over the entire X-range.  You will need "
    "to either modify the X-variance function parameters or adjust the X-range.";
inline constexpr std::string_view X2Imported =
    "The X-variance function predicts negative variances over the entire range of imported "
    "X-values ";
inline constexpr std::string_view X7Generated =
    "The X-variance function (turning point function) predicts negative variances over part of "
    "the X-range.  This can produce a discontinuity and the plot is therefore aborted.  You will "
    "need to either modify the X-variance function parameters or adjust the X-range.";
inline constexpr std::string_view X7Imported =
    "The X-variance function (turning point function) predicts negative variances over part of "
    "the range of imported X-values ";
inline constexpr std::string_view XCvNoteGenerated =
    "The X-variance function translates to CV > 100% over the entire X-range, ie. the CV(%) "
    "plotting option is cancelled for the X-variance function.";

// A CV note follows a warning after two carriage returns.
inline constexpr std::string_view NoteBreak = "\r\r";

// Dialog captions; the graph title is the caption without its leading blank.
inline constexpr std::string_view CaptionBoth = " Y and X-Variance Functions";
inline constexpr std::string_view CaptionY = " Y-Variance Function";
inline constexpr std::string_view CaptionX = " X-Variance Function";

} // namespace kvor::VFTexts
