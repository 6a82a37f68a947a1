#pragma once

namespace kvor::VisualiseTexts {

inline constexpr const char* Title =
    " Visualise Confidence Intervals, Joint Confidence Regions and Sampling Lines";
inline constexpr const char* Explanation =
    "This dialog reproduces the design of the most recent Power simulation run using new sets of "
    "randomly drawn results (either program generated or sampled from imported data - as "
    "appropriate).  Plots of confidence intervals and joint confidence regions are offered with "
    "the aim of providing insights into the power difference between these two approaches to "
    "significance testing.  Click the Help button for more information";
inline constexpr const char* Samples = "No. &data sets per simulation run:";
inline constexpr const char* IntervalsPlain = " Bias Detection by Confidence Intervals ";
inline constexpr const char* RegionPlain = " Bias Detection by Confidence Region ";
inline constexpr const char* IntervalsExpect = " Bias Detection by Confidence Intervals (expect ~";
inline constexpr const char* RegionExpect = " Bias Detection by Confidence Region (expect ~";
inline constexpr const char* ExpectEnd = "% success) ";
inline constexpr const char* SpecifiedCaption = " Bias Detection ";
inline constexpr const char* SuggestedCI = "Suggested &N:";
inline constexpr const char* SpecifiedCI = "Specified &N:";
inline constexpr const char* SuggestedCR = "S&uggested N:";
inline constexpr const char* AlsoRegions = " Also calculate Con&fidence Regions";
inline constexpr const char* AlsoIntervals = " Also calculate Confidence Inter&vals";
inline constexpr const char* Progress = " Progress:";
inline constexpr const char* CloseText = "Close";
inline constexpr const char* HelpText = "&Help";

struct RunButtonTexts {
    const char* Start;
    const char* Abort;
    const char* Plot;
    const char* Clear;
    const char* Beep;
};
inline constexpr RunButtonTexts IntervalsButtons{"&Start Run", "&Abort", "&Plot", "&Clear",
                                                 "&Beep on Completion"};
inline constexpr RunButtonTexts RegionButtons{"S&tart Run", "Ab&ort", "P&lot", "Cl&ear",
                                              "Beep on Co&mpletion"};

} // namespace kvor::VisualiseTexts
