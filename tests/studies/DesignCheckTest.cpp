#include "studies/DesignCheck.h"

#include "engine/ImportedData.h"
#include "engine/StudyDesign.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kvor {
namespace {

// The window's edit for a focus target, as the cases name it.
std::string FocusName(StudyTab tab, DesignFocus focus) {
    static const char* const edits[] = {"",        "MinNumEdit", "MaxNumEdit", "ConstantNumEdit",
                                        "YB1Edit", "XB1Edit"};
    if (focus == DesignFocus::None) {
        return "";
    }
    std::string name(1, tab == StudyTab::Accuracy ? 'A' : 'P');
    return name += edits[static_cast<int>(focus)];
}

// Expected texts are spelled out here on their own, not taken from the code's text table.
const std::string RuleY =
    "The error associated with each target Y-value must be such that if randomly generated "
    "results extend into the negative region their magnitudes must not exceed 2.5% of the largest "
    "target Y-value.  The likely lower boundary of randomly generated results is calculated as "
    "[Target - 2.5SDs].";
const std::string RuleX =
    "The error associated with each target X-value must be such that if randomly generated "
    "results extend into the negative region their magnitudes must not exceed 2.5% of the largest "
    "target X-value.  The likely lower boundary of randomly generated results is calculated as "
    "[Target - 2.5SDs].";
const std::string Inaccurate = ".  Numerical inaccuracies are virtually guaranteed.  ";
const std::string ModifyY = "You will need to modify the Y-variance function parameters.";
const std::string ModifyX = "You will need to modify the X-variance function parameters.";
const std::string ByTrue =
    "(by adjusting the X-values and/or the true Slope and Intercept values).";
const std::string ByActual =
    "(by adjusting the X-values and/or the actual Slope and Intercept values).";
const std::string Y2Head = "The Y-variance function does not predict positive variances (hence "
                           "weights) over the entire range of target Y-values ";
const std::string Y2Tail =
    ".  You will need to either modify the Y-variance function parameters or adjust the Y-range ";
const std::string Y3Weighted =
    "  This requirement is not satisfied at the lower end of the Y-range.  You will need to either "
    "modify the Y-variance function parameters or adjust the lower end of the Y-range (by "
    "adjusting the X-values and/or the ";
const std::string Y3Ols = "  This requirement is not satisfied here.  You will need to either "
                          "reduce the specified Y-variance or adjust the lower end of the Y-range "
                          "(by adjusting the X-values and/or the ";
const std::string Y4 =
    "  This requirement is not satisfied at the upper end of the Y-range.  You will need to either "
    "modify the Y-variance function parameters or adjust the upper end of the Y-range ";
const std::string Y5 = "  This requirement is not satisfied at either end of the Y-range.  You "
                       "will need to modify the Y-variance function parameters.";
const std::string Y6 = "  This requirement is not satisfied in the central part of the Y-range.  "
                       "You will need to modify the Y-variance function parameters.";
const std::string EitherY =
    "You will need to either modify the Y-variance function parameters or adjust the ";
const std::string Small = "The Y-variance function predicts very small variance (< 10**(-280)) at ";
const std::string Large = "The Y-variance function predicts very large variance (> 10**280) at ";
const std::string Relative =
    "The Y-variance function predicts a relative change in variance (hence weights) > 10**12 over ";
const std::string Central = "The Y-variance function predicts out-of-range variances (allowed "
                            "range: 10**(-280) to 10**280) in the central part of the Y-range ";
const std::string LineTrue = "The true Slope and Intercept values produce (target) Y-values < 0 ";
const std::string LineActual =
    "The actual Slope and Intercept values produce (target) Y-values < 0 ";
const std::string LineEndTrue = ".  You will need to modify either the range of the  X-values or "
                                "the true Slope and Intercept values.";
const std::string LineEndActual = ".  You will need to modify either the range of the  X-values "
                                  "or the actual Slope and Intercept values.";

using Edit = std::function<void(StudyDesign&)>;

VarianceFunction Vf(int form, int para, double b1, double b2, double b3, double j) {
    return VarianceFunction{form, para, b1, b2, b3, j};
}

// Variance functions that fail one way or another on targets 10 to 100 (or 6 to 100, 10 to 90).
const VarianceFunction Zero23 = Vf(2, 0, 0, 0, 0, 1);
const VarianceFunction Zero4 = Vf(4, 0, 0, 0, 0, 1);
const VarianceFunction NegativeBelow50 = Vf(2, 0, -50, 1, 0, 1);
const VarianceFunction Constant100 = Vf(2, 0, 100, 0, 0, 1);
const VarianceFunction SdHalfLevel = Vf(2, 0, 0, 0.45, 0, 2);
const VarianceFunction Constant2000 = Vf(2, 0, 2000, 0, 0, 1);
const VarianceFunction CvPeakAt10 = Vf(2, 0, -40, 8, 0, 1);               // needs targets 6 to 100
const VarianceFunction Power_m300 = Vf(2, 0, 0, 1, 0, -300);              // 1e-300 at 10
const VarianceFunction Power290 = Vf(2, 0, 0, 1, 0, 290);                 // 1e290 at 10
const VarianceFunction Power_m150 = Vf(2, 0, 0, 1, 0, -150);              // 1e-300 at 100
const VarianceFunction Power150 = Vf(2, 0, 0, 1, 0, 150);                 // 1e300 at 100
const VarianceFunction Power15 = Vf(2, 0, 0, 1, 0, 15);                   // ratio 1e15
const VarianceFunction HugeHump = Vf(4, 0, -1e281, 1.2e280, -1.2e278, 2); // 2e281 at 50 of 10..90
const VarianceFunction Form4Hump = Vf(4, 0, -250, 30, -0.3, 2);           // 500 at 50 of 10..90
const VarianceFunction Form4CvPeak = Vf(4, 0, -40, 8, 1e-6, 3);           // CV peak near 10
const VarianceFunction Form4Ratio = Vf(4, 0, 1, 0, 1, 13);                // 1e13 to 1e26

struct Case {
    const char* Name;
    StudyTab Tab;
    bool Imported;
    Edit Change;
    int Code;
    const char* Focus; // empty when the design passes
    std::string Message;
    char Separator = '.';
};

Edit Wls(const VarianceFunction& y) {
    return [y](StudyDesign& d) {
        d.Regression = RegressionType::WLS;
        d.YVariance = y;
    };
}

Edit Deming(const VarianceFunction& x) {
    return [x](StudyDesign& d) {
        d.Regression = RegressionType::Deming;
        d.XVariance = x;
    };
}

Edit Then(Edit first, Edit second) {
    return [first, second](StudyDesign& d) {
        first(d);
        second(d);
    };
}

Edit XRange(double lo, double hi) {
    return [lo, hi](StudyDesign& d) {
        d.XMin = lo;
        d.XMax = hi;
    };
}

Edit Line(double slope, double intercept) {
    return [slope, intercept](StudyDesign& d) {
        d.TrueSlope = slope;
        d.TrueIntercept = intercept;
    };
}

Edit ActualLine(double slope, double intercept) {
    return [slope, intercept](StudyDesign& d) {
        d.ActualSlope = slope;
        d.ActualIntercept = intercept;
    };
}

constexpr StudyTab A = StudyTab::Accuracy;
constexpr StudyTab P = StudyTab::Power;

// Imported pools: X from 10 to 100, Y from 10 to 100 unless a case changes them.
std::vector<Case> Cases() {
    const std::string r = "(10 to 100)";
    const std::string r90 = "(10 to 90)";
    return {
        // The X range and the line.
        {"RatioJustAbove", A, false, XRange(10, 11.999999999999), 0, "", ""},
        {"RatioBelow", A, false, XRange(10, 11.9), 0, "AMinNumEdit",
         "The X-range Max/Min ratio must be >= 1.2."},
        {"RatioJustBelow", A, false, XRange(10, 11.99999999998), 0, "AMinNumEdit",
         "The X-range Max/Min ratio must be >= 1.2."},
        {"RatioBelowPower", P, false, XRange(10, 11.9), 0, "PMinNumEdit",
         "The X-range Max/Min ratio must be >= 1.2."},
        {"ZeroMinimumPasses", A, false, XRange(0, 100), 0, "", ""},
        {"CrossesInside", A, false, Line(1, -20), 0, "AMinNumEdit",
         LineTrue + "for values of X < 20" + LineEndTrue},
        {"CrossesBeyond", A, false, Line(1, -200), 0, "AMinNumEdit",
         LineTrue + "over the entire range of X-values" + LineEndTrue},
        {"CrossesAtMaximum", A, false, Line(1, -100), 0, "AMinNumEdit",
         LineTrue + "over the entire range of X-values" + LineEndTrue},
        {"FallingCrossesAtMinimum", A, false, Line(-1, 10), 0, "AMaxNumEdit",
         LineTrue + "over the entire range of X-values" + LineEndTrue},
        {"FallingCrossesInside", A, false, Line(-1, 50), 0, "AMaxNumEdit",
         LineTrue + "for values of X > 50" + LineEndTrue},
        {"FallingCrossesBelow", A, false, Line(-1, 5), 0, "AMaxNumEdit",
         LineTrue + "over the entire range of X-values" + LineEndTrue},
        {"PowerUsesActualLine", P, false, Then(Line(1, 0), ActualLine(1.01, -20)), 0, "PMinNumEdit",
         LineActual + "for values of X < 19.8019801980198" + LineEndActual},
        {"PowerActualBeyond", P, false, ActualLine(-1, 5), 0, "PMaxNumEdit",
         LineActual + "over the entire range of X-values" + LineEndActual},
        {"PowerIgnoresTrueLine", P, false, Line(1, -20), 0, "", ""},
        {"CrossingShownWithComma", A, false, Line(2, -25), 0, "AMinNumEdit",
         LineTrue + "for values of X < 12,5" + LineEndTrue, ','},
        {"LevelLineBelowZero", A, false, Line(0, -1), 0, "AMinNumEdit",
         LineTrue + "over the entire range of X-values" + LineEndTrue},

        // OLS: only the constant variance at the lower end, and only for generated data.
        {"OlsVariance100", A, false,
         Then(XRange(1, 100), [](StudyDesign& d) { d.ConstantVariance = 100; }), 3,
         "AConstantNumEdit", RuleY + Y3Ols + "true Slope and Intercept values)."},
        {"OlsVariance100Power", P, false,
         Then(Then(XRange(1, 100), ActualLine(1, 0)),
              [](StudyDesign& d) { d.ConstantVariance = 100; }),
         3, "PConstantNumEdit", RuleY + Y3Ols + "actual Slope and Intercept values)."},
        {"OlsImportedUnchecked", A, true,
         [](StudyDesign& d) {
             d.ConstantVariance = 1e8;
             d.YVariance = Zero23;
         },
         0, "", ""},

        // Y function, generated, true wording.
        {"Y1", A, false, Wls(Zero23), 1, "AYB1Edit",
         "Either parameter B1 or parameter B2 of the Y-variance function must be > 0,  ie. "
         "predicted variance must be > 0 across the entire Y-range " +
             r + "."},
        {"Y1Form4", A, false, Wls(Zero4), 1, "AYB1Edit",
         "At least one of the parameters B1, B2 or B3 of the Y-variance function must be > 0,  ie. "
         "predicted variance must be > 0 across the entire Y-range " +
             r + "."},
        {"Y2", A, false, Wls(NegativeBelow50), 2, "AYB1Edit", Y2Head + r + Y2Tail + ByTrue},
        {"Y3", A, false, Wls(Constant100), 3, "AYB1Edit",
         RuleY + Y3Weighted + "true Slope and Intercept values)."},
        {"Y4", A, false, Wls(SdHalfLevel), 4, "AYB1Edit", RuleY + Y4 + ByTrue},
        {"Y5", A, false, Wls(Constant2000), 5, "AYB1Edit", RuleY + Y5},
        {"Y6", A, false, Then(XRange(6, 100), Wls(CvPeakAt10)), 6, "AYB1Edit", RuleY + Y6},
        {"Y6Form4Stationary", A, false, Then(XRange(10, 90), Wls(Form4Hump)), 6, "AYB1Edit",
         RuleY + Y6},
        {"Y6Form4CvTurningPoint", A, false, Then(XRange(6, 100), Wls(Form4CvPeak)), 6, "AYB1Edit",
         RuleY + Y6},
        {"Y7", A, false, Wls(Power_m300), 7, "AYB1Edit",
         Small + "the lower end of the target Y-range " + r + Inaccurate + EitherY +
             "lower end of the Y-range " + ByTrue},
        {"Y8", A, false, Wls(Power290), 8, "AYB1Edit",
         Large + "the lower end of the target Y-range " + r + Inaccurate + EitherY +
             "lower end of the Y-range " + ByTrue},
        {"Y9", A, false, Wls(Power_m150), 9, "AYB1Edit",
         Small + "the upper end of the target Y-range " + r + Inaccurate + EitherY +
             "upper end of the Y-range " + ByTrue},
        {"Y10", A, false, Wls(Power150), 10, "AYB1Edit",
         Large + "the upper end of the target Y-range " + r + Inaccurate + EitherY +
             "upper end of the Y-range " + ByTrue},
        {"Y11", A, false, Then(XRange(10, 90), Wls(HugeHump)), 11, "AYB1Edit",
         Central + r90 + Inaccurate + ModifyY},
        {"Y12", A, false, Wls(Power15), 12, "AYB1Edit",
         Relative + "the range of the target Y-values " + r + Inaccurate + EitherY + "Y-range " +
             ByTrue},
        {"Y12Form4", A, false, Wls(Form4Ratio), 12, "AYB1Edit",
         Relative + "the range of the target Y-values " + r + Inaccurate + EitherY + "Y-range " +
             ByTrue},
        {"DefaultsPass", A, false, Wls(Vf(2, 0, 1, 0, 0, 1)), 0, "", ""},

        // Y function, generated, actual wording on the Power tab (actual line 1.01 x).
        {"PowerY2", P, false, Wls(NegativeBelow50), 2, "PYB1Edit",
         Y2Head + "(10.1 to 101)" + Y2Tail + ByActual},
        {"PowerY3", P, false, Wls(Constant100), 3, "PYB1Edit",
         RuleY + Y3Weighted + "actual Slope and Intercept values)."},
        {"PowerY4", P, false, Wls(SdHalfLevel), 4, "PYB1Edit", RuleY + Y4 + ByActual},
        {"PowerY7", P, false, Then(ActualLine(1, 0), Wls(Power_m300)), 7, "PYB1Edit",
         Small + "the lower end of the target Y-range " + r + Inaccurate + EitherY +
             "lower end of the Y-range " + ByActual},
        {"PowerY8", P, false, Then(ActualLine(1, 0), Wls(Power290)), 8, "PYB1Edit",
         Large + "the lower end of the target Y-range " + r + Inaccurate + EitherY +
             "lower end of the Y-range " + ByActual},
        {"PowerY9", P, false, Then(ActualLine(1, 0), Wls(Power_m150)), 9, "PYB1Edit",
         Small + "the upper end of the target Y-range " + r + Inaccurate + EitherY +
             "upper end of the Y-range " + ByActual},
        {"PowerY10", P, false, Then(ActualLine(1, 0), Wls(Power150)), 10, "PYB1Edit",
         Large + "the upper end of the target Y-range " + r + Inaccurate + EitherY +
             "upper end of the Y-range " + ByActual},
        {"PowerY12", P, false, Then(ActualLine(1, 0), Wls(Power15)), 12, "PYB1Edit",
         Relative + "the range of the target Y-values " + r + Inaccurate + EitherY + "Y-range " +
             ByActual},

        // Y function, imported.
        {"ImportedY1", A, true, Wls(Zero23), 1, "AYB1Edit",
         "Either parameter B1 or parameter B2 of the Y-variance function must be > 0,  ie. "
         "predicted variance must be > 0 across the entire Y-range " +
             r + "."},
        {"ImportedY2", A, true, Wls(NegativeBelow50), 2, "AYB1Edit",
         "The Y-variance function does not predict positive variances (hence weights) over the "
         "entire range of the imported Y-values " +
             r + ".  " + ModifyY},
        {"ImportedY7", A, true, Wls(Power_m300), 7, "AYB1Edit",
         Small + "the lower end of the imported Y-range " + r + Inaccurate + ModifyY},
        {"ImportedY8", P, true, Wls(Power290), 8, "PYB1Edit",
         Large + "the lower end of the imported Y-range " + r + Inaccurate + ModifyY},
        {"ImportedY9", A, true, Wls(Power_m150), 9, "AYB1Edit",
         Small + "the upper end of the imported Y-range " + r + Inaccurate + ModifyY},
        {"ImportedY10", A, true, Wls(Power150), 10, "AYB1Edit",
         Large + "the upper end of the imported Y-range " + r + Inaccurate + ModifyY},
        {"ImportedY12", A, true, Wls(Power15), 12, "AYB1Edit",
         Relative + "the range of imported Y-values " + r + Inaccurate + ModifyY},
        {"ImportedSkipsNegativeChecks", A, true, Wls(Constant2000), 0, "", ""},
        {"ImportedSkipsLineChecks", A, true, Then(Line(1, -200), XRange(10, 11)), 0, "", ""},

        // X function (Deming), generated: Y function at its default passes.
        {"X101", A, false, Deming(Zero23), 101, "AXB1Edit",
         "Either parameter B1 or parameter B2 of the X-variance function must be > 0,  ie. "
         "predicted variance must be > 0 across the entire X-range."},
        {"X101Form4", P, false, Deming(Zero4), 101, "PXB1Edit",
         "At least one of the parameters B1, B2 or B3 of the X-variance function must be > 0,  "
         "ie. predicted variance must be > 0 across the entire X-range."},
        {"X102", A, false, Deming(NegativeBelow50), 102, "AXB1Edit",
         "The X-variance function does not predict positive variances (hence weights) over the "
         "entire X-range.  You will need to either modify the X-variance function parameters or "
         "adjust the X-range."},
        {"X103", A, false, Deming(Constant100), 103, "AXB1Edit",
         RuleX + "  This requirement is not satisfied at the lower end of the X-range.  You will "
                 "need to either modify the X-variance function parameters or adjust the lower "
                 "end of the X-range."},
        {"X104", A, false, Deming(SdHalfLevel), 104, "AXB1Edit",
         RuleX + "  This requirement is not satisfied at the upper end of the X-range.  You will "
                 "need to either modify the X-variance function parameters or adjust the upper "
                 "end of the X-range."},
        {"X105", P, false, Deming(Constant2000), 105, "PXB1Edit",
         RuleX + "  This requirement is not satisfied at either end of the X-range.  You will "
                 "need to modify the X-variance function parameters."},
        {"X106", A, false, Then(XRange(6, 100), Deming(CvPeakAt10)), 106, "AXB1Edit",
         RuleX + "  This requirement is not satisfied in the central part of the X-range.  You "
                 "will need to modify the X-variance function parameters."},
        {"X107", A, false, Deming(Power_m300), 107, "AXB1Edit",
         "The X-variance function predicts very small variance (< 10**(-280)) at the lower end of "
         "the target X-range.  Numerical inaccuracies are virtually guaranteed.  You will need to "
         "either modify the X-variance function parameters or adjust the lower end of the "
         "X-range."},
        {"X108", A, false, Deming(Power290), 108, "AXB1Edit",
         "The X-variance function predicts very large variance (> 10**280) at the lower end of "
         "the target X-range.  Numerical inaccuracies are virtually guaranteed.  You will need to "
         "either modify the X-variance function parameters or adjust the lower end of the "
         "X-range."},
        {"X109", A, false, Deming(Power_m150), 109, "AXB1Edit",
         "The X-variance function predicts very small variance (< 10**(-280)) at the upper end of "
         "the target X-range.  Numerical inaccuracies are virtually guaranteed.  You will need to "
         "either modify the X-variance function parameters or adjust the upper end of the "
         "X-range."},
        {"X110", A, false, Deming(Power150), 110, "AXB1Edit",
         "The X-variance function predicts very large variance (> 10**280) at the upper end of "
         "the target X-range.  Numerical inaccuracies are virtually guaranteed.  You will need to "
         "either modify the X-variance function parameters or adjust the upper end of the "
         "X-range."},
        {"X111", A, false, Then(XRange(10, 90), Deming(HugeHump)), 111, "AXB1Edit",
         "The X-variance function predicts out-of-range variances (allowed range: 10**(-280) to "
         "10**280) in the central part of the target X-range.  Numerical inaccuracies are "
         "virtually guaranteed.  You will need to either modify the X-variance function "
         "parameters or adjust the X-range."},
        {"X112", A, false, Deming(Power15), 112, "AXB1Edit",
         "The X-variance function predicts a relative change in variance (hence weights) > "
         "10**12 over the range of the target X-values.  Numerical inaccuracies are virtually "
         "guaranteed.  You will need to either modify the X-variance function parameters or "
         "adjust the X-range."},
        {"YFailsBeforeX", A, false, Then(Wls(Power_m300), Deming(Power15)), 7, "AYB1Edit",
         Small + "the lower end of the target Y-range " + r + Inaccurate + EitherY +
             "lower end of the Y-range " + ByTrue},
        {"WlsIgnoresXFunction", A, false, Then(Deming(Zero23), Wls(Vf(2, 0, 1, 0, 0, 1))), 0, "",
         ""},

        // X function, imported.
        {"ImportedX101", A, true, Deming(Zero23), 101, "AXB1Edit",
         "Either parameter B1 or parameter B2 of the X-variance function must be > 0,  ie. "
         "predicted variance must be > 0 across the entire X-range."},
        {"ImportedX102", A, true, Deming(NegativeBelow50), 102, "AXB1Edit",
         "The X-variance function does not predict positive variances (hence weights) over the "
         "entire range of the imported X-values " +
             r + ".  " + ModifyX},
        {"ImportedX107", A, true, Deming(Power_m300), 107, "AXB1Edit",
         "The X-variance function predicts very small variance (< 10**(-280)) at the lower end of "
         "the imported X-range " +
             r + Inaccurate + ModifyX},
        {"ImportedX108", A, true, Deming(Power290), 108, "AXB1Edit",
         "The X-variance function predicts very large variance (> 10**280) at the lower end of "
         "the imported X-range " +
             r + Inaccurate + ModifyX},
        {"ImportedX109", P, true, Deming(Power_m150), 109, "PXB1Edit",
         "The X-variance function predicts very small variance (< 10**(-280)) at the upper end of "
         "the imported X-range " +
             r + Inaccurate + ModifyX},
        {"ImportedX110", A, true, Deming(Power150), 110, "AXB1Edit",
         "The X-variance function predicts very large variance (> 10**280) at the upper end of "
         "the imported X-range " +
             r + Inaccurate + ModifyX},
        {"ImportedX112", A, true, Deming(Power15), 112, "AXB1Edit",
         "The X-variance function predicts a relative change in variance (hence weights) > "
         "10**12 over the range of imported X-values " +
             r + Inaccurate + ModifyX},
    };
}

PoolExtremes Pool(double minX, double maxX, double minY, double maxY) {
    return {minX, maxX, minY, maxY};
}

TEST(CheckDesign, RefusesWithExactMessageAndFocus) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.Name);
        StudyDesign design;
        design.DataSource = c.Imported ? DataSource::Import : DataSource::Generate;
        c.Change(design);
        const DesignCheckResult result =
            CheckDesign(design, c.Tab, Pool(10, 100, 10, 100), c.Separator);
        const bool refused = c.Focus[0] != '\0';
        EXPECT_EQ(result.Passed, !refused);
        EXPECT_EQ(FocusName(c.Tab, result.Focus), c.Focus);
        EXPECT_EQ(result.Code, c.Code);
        EXPECT_EQ(result.Message, c.Message);
        if (refused) {
            EXPECT_EQ(result.Kind, MessageKind::Information);
        }
    }
}

TEST(CheckDesign, NumbersTheFocusTargets) {
    StudyDesign design;
    design.TrueIntercept = -20;
    EXPECT_EQ(CheckDesign(design, StudyTab::Accuracy, Pool(0, 0, 0, 0)).Focus,
              DesignFocus::Minimum);
    design.Regression = RegressionType::Deming;
    design.TrueIntercept = 0;
    design.XVariance = Zero23;
    EXPECT_EQ(static_cast<int>(CheckDesign(design, StudyTab::Accuracy, Pool(0, 0, 0, 0)).Focus), 5);
}

TEST(CheckDesign, ImportedMinimumAtOrBelowZeroIsEvaluatedAtTheLowestLevel) {
    StudyDesign design;
    design.DataSource = DataSource::Import;
    design.Regression = RegressionType::WLS;
    // sqrt(-5) would fail; the check evaluates at 1e-8 and passes.
    design.YVariance = Vf(3, 0, 1, 1, 0, 0.5);
    EXPECT_TRUE(CheckDesign(design, StudyTab::Accuracy, Pool(10, 100, -5, 100)).Passed);

    // 1e-8 ** 40 is below 1e-280 while (-5) ** 40 is not: the code shows where it was evaluated,
    // the message still the imported minimum.
    design.YVariance = Vf(2, 0, 0, 1, 0, 40);
    const DesignCheckResult result =
        CheckDesign(design, StudyTab::Accuracy, Pool(10, 100, -5, 100), ',');
    EXPECT_EQ(result.Code, 7);
    EXPECT_EQ(result.Message,
              Small + "the lower end of the imported Y-range (-5 to 100)" + Inaccurate + ModifyY);

    design.YVariance = Vf(2, 0, 0, 1, 0, 40);
    const DesignCheckResult fractional =
        CheckDesign(design, StudyTab::Accuracy, Pool(10, 100, -0.25, 1e20), ',');
    EXPECT_EQ(fractional.Code, 7);
    EXPECT_EQ(fractional.Message, Small + "the lower end of the imported Y-range (-0,25 to 1E20)" +
                                      Inaccurate + ModifyY);
}

TEST(CheckDesign, ImportedCentralPartNamesTheImportedRange) {
    StudyDesign design;
    design.DataSource = DataSource::Import;
    design.Regression = RegressionType::Deming;
    design.YVariance = HugeHump;
    const DesignCheckResult y = CheckDesign(design, StudyTab::Power, Pool(10, 90, 10, 90));
    EXPECT_EQ(y.Code, 11);
    EXPECT_EQ(FocusName(StudyTab::Power, y.Focus), "PYB1Edit");
    EXPECT_EQ(y.Message, Central + "(10 to 90)" + Inaccurate + ModifyY);

    design.YVariance = VarianceFunction{};
    design.XVariance = HugeHump;
    const DesignCheckResult x = CheckDesign(design, StudyTab::Accuracy, Pool(10, 90, 10, 90));
    EXPECT_EQ(x.Code, 111);
    EXPECT_EQ(FocusName(StudyTab::Accuracy, x.Focus), "AXB1Edit");
    EXPECT_EQ(x.Message, "The X-variance function predicts out-of-range variances (allowed range: "
                         "10**(-280) to 10**280) in the central part of the imported X-range (10 "
                         "to 90)" +
                             Inaccurate + ModifyX);
}

TEST(CheckDesign, LeavesItsInputsUnchanged) {
    StudyDesign design;
    design.Regression = RegressionType::Deming;
    design.XVariance = Power15;
    const StudyDesign before = design;
    CheckDesign(design, StudyTab::Power, Pool(1, 2, 3, 4));
    EXPECT_EQ(design.XVariance.J, before.XVariance.J);
    EXPECT_EQ(design.XMin, before.XMin);
}

TEST(CheckNeg, AllowsTwoAndAHalfPercentOfTheLargestTargetBelowZero) {
    struct Row {
        double t, L, V;
        bool ok;
    };
    const std::vector<Row> rows = {
        {10, 100, 16, true},                          // 10 - 10 = 0
        {10, 100, 25, true},                          // 10 - 12.5 = -2.5, exactly 2.5% of 100
        {10, 100, 25.5, false},                       // just beyond
        {1, 100, 100, false},                         // 1 - 25 = -24
        {100, 100, 1681, true},                       // 100 - 102.5 = -2.5
        {0, 0, 0, true},        {10, 100, -1, false}, // no SD to speak of
    };
    for (const Row& r : rows) {
        EXPECT_EQ(CheckNeg(r.t, r.L, r.V), r.ok) << r.t << " " << r.L << " " << r.V;
    }
}

TEST(CheckVarianceFunction, CodesOfTheRawChecks) {
    // Form 2 with B1 = B2 = 0 is refused whatever the range.
    EXPECT_EQ(CheckVarianceFunction(0, 2, 1e6, 1e-3, 1, 0, 0, 0, true), 1);
    EXPECT_EQ(CheckVarianceFunction(0, 2, 1e6, 1e-3, 1, 0, 0, 0, false), 1);
    // A fractional power of a negative base is a failed evaluation, not a positive variance.
    EXPECT_EQ(CheckVarianceFunction(-1, 2, 100, 10, 0.5, 0, 50, 1, false), 2);
    // Form 4 with its stationary point at 50 and a variance of 0 there.
    EXPECT_EQ(CheckVarianceFunction(0, 4, 90, 10, 2, 1, -100, 2500, false), 2);
    // Overflow while evaluating counts as a failure, not as a huge variance.
    EXPECT_EQ(CheckVarianceFunction(0, 3, 100, 10, 400, 0, 1, 1, false), 2);
    // A non-integral J on a positive base goes through the logarithm.
    EXPECT_EQ(CheckVarianceFunction(0, 3, 100, 10, 0.5, 0, 1, 1, true), 0);
}

} // namespace
} // namespace kvor
