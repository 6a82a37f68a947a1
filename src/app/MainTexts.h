#pragma once

#include <QString>

// Every fixed text of the main window and its two study tabs.
namespace kvor::MainTexts {

inline constexpr const char* ApplicationTitle = "KVOR 8.0";
inline constexpr const char* AccuracyTabCaption = " &Accuracy ";
inline constexpr const char* PowerTabCaption = " &Power  ";

// Data source
inline constexpr const char* DataGroup = " X, Y Data ";
inline constexpr const char* Generate = "Randomly &generate X, Y pairs";
inline constexpr const char* RangeGroup = " X-Data Range ";
inline constexpr const char* Minimum = "Minimum:";
inline constexpr const char* Maximum = "Maximum:";
inline constexpr const char* DistributionGroup = " X-Distribution ";
inline constexpr const char* Uniform = "Uniform";
inline constexpr const char* Central = "Centrally Located";
inline constexpr const char* Skewed = "Right Skewed";
inline constexpr const char* Read = "Import X, &Y pairs";
inline constexpr const char* TextFile = "Text File";
inline constexpr const char* Paste = "Paste";
inline constexpr const char* View = "View";
inline constexpr const char* SamplingGroup = " I&mported Data Sampling ";
inline constexpr const char* RandomDraw = "Randomly draw X, Y pairs";
inline constexpr const char* SequentialDraw = "Draw X, Y pairs sequentially";

// Relationship and sampling
inline constexpr const char* DesignGroup = " Study Design ";
inline constexpr const char* TrueSlope = "True Slope:";
inline constexpr const char* TrueIntercept = "True Intercept:";
inline constexpr const char* IdealRelationship = "     Ideal Relationship:";
inline constexpr const char* ActualRelationship = "     Actual Relationship:";
inline constexpr const char* Slope = "Slope:";
inline constexpr const char* Intercept = "Intercept:";
inline constexpr const char* SetsPerRun = "No. data sets per simulation run:";
inline constexpr const char* MaxSets = "Maxim&um data sets per evaluation:";
inline constexpr const char* PairsN = "No. X, Y Pairs (N):";
inline constexpr const char* FixedSeed = "Fi&xed random number seed";
inline constexpr const char* Beep = "&Beep on completion";

// Regression and variance functions
inline constexpr const char* RegressionGroup = " Regression Type and Weighting ";
inline constexpr const char* OLS = "O&LS (Y on X)";
inline constexpr const char* WLS = "&WLS (Y on X)";
inline constexpr const char* Deming = "&Deming";
inline constexpr const char* YVarianceFunctionGroup = " Y-&Variance Function ";
inline constexpr const char* YVarianceGroup = " Y-&Variance ";
inline constexpr const char* XVarianceFunctionGroup = " X-Variance &Function ";
inline constexpr const char* ConstantLabel = "Variance(V):";
inline constexpr const char* FunctionNote = "Constant value required to generate OLS Y-values";
inline constexpr const char* Para = "Para:";
inline constexpr const char* B1 = "B1:";
inline constexpr const char* B2 = "B2:";
inline constexpr const char* B3 = "B3:";
inline constexpr const char* J = "J:";
inline constexpr const char* ViewVarianceFunctions = "V&iew Variance Functions";
inline constexpr const char* CopyPowerSettings = "Copy Powe&r Settings";
inline constexpr const char* CopyAccuracySettings = "Copy Accu&racy Settings";

// Power-only design controls
inline constexpr const char* DetectionRate = "Re&quired detection rate (%):";
inline constexpr const char* Significance = "Significance level&:";
inline constexpr const char* EstimationGroup = " Estimation &Mode ";
inline constexpr const char* Automatic = "Automatic estimation of required sample size (N)";
inline constexpr const char* SpecifiedN = "Detection rate for a specified N";
inline constexpr const char* NLabel = "N:";
inline constexpr const char* ClearGenerate = "Cl&ear";
inline constexpr const char* ClearImport = "Clea&r";
inline constexpr const char* PowerTitle = "Power Study";
inline constexpr const char* PowerDesign = "Sample size needed to detect a biased relationship";

// Running
inline constexpr const char* StartRun = "&Start Run";
inline constexpr const char* Abort = "Abort";
inline constexpr const char* Progress = " Progress:";

// Accuracy results
inline constexpr const char* AccuracyResultsGroup = " Results ";
inline constexpr const char* SlopeHeader = "Slope";
inline constexpr const char* InterceptHeader = "Intercept";
inline constexpr const char* MeanIntercept = "Mean Intercept:";
inline constexpr const char* SD = "SD:";
inline constexpr const char* Z = "Z:";
inline constexpr const char* P = "P:";
inline constexpr const char* JointHeader = "Slope, Intercept";
inline constexpr const char* ConfidenceInterval = "confidence interval (%)";
inline constexpr const char* ConfidenceRegion = "joint confidence region (%)";
inline constexpr const char* At95 = "95%:";
inline constexpr const char* At99 = "99%:";
inline constexpr const char* ViewResults = "View Res&ults";

// Power results
inline constexpr const char* MeanSlope = "Mean Slope:";
inline constexpr const char* Visualise = "Visualise";

// Lower button row
inline constexpr const char* Copy = "&Copy";
inline constexpr const char* PrinterSetup = "Printer Se&tup";
inline constexpr const char* Print = "Pri&nt";
inline constexpr const char* Close = "Cl&ose";
inline constexpr const char* Help = "&Help";
inline constexpr const char* WhatsThis = "What's this?";

// Start Run.
inline constexpr const char* NoPairsImported = "No X, Y pairs have been imported.";

// After an Accuracy run in which some sets had no confidence limits.
inline QString SetsLeftOut(int validCount, int setsPerRun) {
    const int left = setsPerRun - validCount;
    return QStringLiteral("Calculation of Confidence Intervals and joint Confidence Region failed "
                          "for ") +
           (left == 1 ? QStringLiteral("1 set") : QString::number(left) + QStringLiteral(" sets")) +
           QStringLiteral(".  Frequencies of enclosure of target values were therefore "
                          "determined from ") +
           QString::number(validCount) + QStringLiteral(" of the ") + QString::number(setsPerRun) +
           QStringLiteral(" sets.");
}

} // namespace kvor::MainTexts
