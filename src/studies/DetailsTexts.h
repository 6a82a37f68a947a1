#pragma once

namespace kvor::DetailsTexts {

// Fixed texts of the confidence interval and region details report and its dialog.
inline constexpr const char* Title = "Significance Test Details";
inline constexpr const char* Blank = " ";
inline constexpr const char* Regression[3] = {"OLS Regression", "WLS Regression",
                                              "Deming Regression"};
inline constexpr const char* IdealStart = "Ideal Relationship: [Slope, Intercept] = [";
inline constexpr const char* ActualStart = "Actual Relationship: [Slope, Intercept] = [";
inline constexpr const char* UserDefined = "User defined";
inline constexpr const char* PairSeparator = ", ";
inline constexpr const char* PairEnd = "]";
inline constexpr const char* SimulationStart = "Simulation: ";
inline constexpr const char* SimulationSets = " sets of N = ";
inline constexpr const char* SimulationEnd = ", based on Actual Relationship";

inline constexpr const char* IntervalsHeading = "Bias by Confidence Intervals";
inline constexpr const char* IntervalsColumns =
    "Not Detected  Detected      {Proportional  Constant   Both}";
inline constexpr const char* RegionHeading = "Bias by Joint Confidence Region";
inline constexpr const char* RegionColumns = "Not Detected  Detected";
// The blanks before each count and each percentage of the table rows.
inline constexpr const char* CountGaps[5] = {"    ", "        ", "             ", "        ",
                                             "     "};
inline constexpr const char* PercentGaps[5] = {"   ", "      ", "           ", "      ", "   "};

inline constexpr const char* OutputGroup = " Output ";
inline constexpr const char* Copy = "C&opy";
inline constexpr const char* Print = "Pri&nt";
inline constexpr const char* PrinterSetup = "Printer Set&up";
inline constexpr const char* Close = "Close";
inline constexpr const char* Help = "&Help";

inline constexpr const char* PrintJobTitle = "KVOR Confidence Interval and Region details";
inline constexpr const char* CopyError =
    "An error occurred while copying the summary to the clipboard.  Contact the program author "
    "if the problem persists.";
inline constexpr const char* PrintError =
    "An error occurred while constructing the printer output.  Contact the program author if "
    "the problem persists.";

} // namespace kvor::DetailsTexts
