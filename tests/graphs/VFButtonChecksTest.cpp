#include "graphs/VFButtonChecks.h"

#include "engine/ImportedData.h"
#include "engine/StudyDesign.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFCurveSet.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor {
namespace {

// Expected texts are spelled out here on their own, not taken from the code's text table.
const std::string NegativeTrue =
    "The true Slope and Intercept values will result in the generation of Y-values < 0 ";
const std::string NegativeActual =
    "The actual Slope and Intercept values will result in the generation of Y-values < 0 ";
const std::string ModifyTrue = ".  You will need to modify either the range of the  X-values or "
                               "the true Slope and Intercept values.";
const std::string ModifyActual = ".  You will need to modify either the range of the  X-values "
                                 "or the actual Slope and Intercept values.";

struct Press {
    StudyDesign Design;
    StudyTab Tab = StudyTab::Accuracy;
    PoolExtremes Imported;
    GraphOptions Options = DesignGraphOptions();

    VFButtonOutcome Run() { return CheckVFButton(Design, Tab, Imported, Options, '.'); }
};

StudyDesign Weighted(VarianceFunction y) {
    StudyDesign d;
    d.Regression = RegressionType::WLS;
    d.YVariance = y;
    return d;
}

void ExpectSingleMessage(const VFButtonOutcome& o, MessageKind kind, const std::string& text,
                         DesignFocus focus) {
    ASSERT_EQ(o.Messages.size(), 1u);
    EXPECT_EQ(o.Messages[0].Kind, kind);
    EXPECT_EQ(o.Messages[0].Text, text);
    EXPECT_EQ(o.Messages[0].Focus, focus);
    EXPECT_EQ(o.Focus, focus);
}

TEST(CheckVFButton, PreliminaryChecksRefuseBeforeAnyFunctionIsExamined) {
    struct Case {
        const char* Name;
        StudyTab Tab;
        double XMin, XMax, Slope, Intercept;
        std::string Text;
        DesignFocus Focus;
    };
    const Case cases[] = {
        {"ratio below 1.2", StudyTab::Accuracy, 10, 11, 1, 0,
         "The X-range Max/Min ratio must be >= 1.2.", DesignFocus::Minimum},
        {"zero inside, rising", StudyTab::Accuracy, 10, 100, 1, -20,
         NegativeTrue + "for values of X < 20" + ModifyTrue, DesignFocus::Minimum},
        {"zero beyond the top, rising", StudyTab::Accuracy, 10, 100, 1, -200,
         NegativeTrue + "over the entire range of X-values" + ModifyTrue, DesignFocus::Minimum},
        {"zero inside, falling", StudyTab::Power, 10, 100, -1, 50.5,
         NegativeActual + "for values of X > 50.5" + ModifyActual, DesignFocus::Maximum},
        {"zero below the bottom, falling", StudyTab::Power, 10, 100, -1, 5,
         NegativeActual + "over the entire range of X-values" + ModifyActual, DesignFocus::Maximum},
    };
    for (const Case& k : cases) {
        Press p;
        p.Tab = k.Tab;
        p.Design.XMin = k.XMin;
        p.Design.XMax = k.XMax;
        p.Design.TrueSlope = p.Design.ActualSlope = k.Slope;
        p.Design.TrueIntercept = p.Design.ActualIntercept = k.Intercept;
        const VFButtonOutcome o = p.Run();
        SCOPED_TRACE(k.Name);
        ExpectSingleMessage(o, MessageKind::Error, k.Text, k.Focus);
        EXPECT_EQ(o.FunctionsExamined, 0);
        EXPECT_FALSE(o.DialogOpens);
    }
    // With imported data the line is not checked.
    Press imported;
    imported.Design.XMin = 10;
    imported.Design.XMax = 11;
    imported.Design.DataSource = DataSource::Import;
    imported.Design.Regression = RegressionType::WLS;
    imported.Imported.MinY = 5;
    imported.Imported.MaxY = 50;
    EXPECT_TRUE(imported.Run().DialogOpens);
}

TEST(CheckVFButton, YCodesOfEachFormThroughTheButton) {
    const std::string r = "(10 to 100)";
    const std::string adjust = ".  You will need to either modify the Y-variance function "
                               "parameters or adjust the Y-range (by adjusting the X-values and/or "
                               "the true Slope and Intercept values).";
    const std::string large = "The Y-variance function predicts excessively large variances (at "
                              "least for plotting purposes) ";
    const std::string aborted = ".  The Y-variance function plot is therefore aborted.";
    const std::string partly = "The Y-variance function will be plotted for illustration "
                               "purposes.    However it predicts zero or negative variances over "
                               "part of the range of target Y-values ";
    const std::string entire = "The Y-variance function predicts zero or negative variances over "
                               "the entire range of target Y-values ";
    struct Case {
        VarianceFunction F;
        int Code;
        std::string Text;
    };
    const Case cases[] = {
        {{2, 0, 0.5, 0.02, 0, 2}, 0, ""},
        {{2, 0, -20, 1, 0, 1}, 1, partly + r + adjust},
        {{2, 0, -200, 1, 0, 1}, 2, entire + r + adjust},
        {{2, 0, 0, 1e-4, 0, -5},
         3,
         large + "at the lower end of the target Y-range " + r + aborted},
        {{2, 0, 0, 1, 0, 10}, 4, large + "at the upper end of the target Y-range " + r + aborted},
        {{2, 0, 1e7, 0, 0, 2}, 5, large + "over the entire target Y-range " + r + aborted},
        {{3, 0, 1, 0.01, 0, 2}, 0, ""},
        {{3, 0, -400, 1, 0, 2}, 1, partly + r + adjust},
        {{3, 0, -1e6, 1, 0, 2}, 2, entire + r + adjust},
        {{3, 0, 0, 1e16, 0, -3},
         3,
         large + "at the lower end of the target Y-range " + r + aborted},
        {{3, 0, 0, 1, 0, 10}, 4, large + "at the upper end of the target Y-range " + r + aborted},
        {{3, 0, 1e13, 0, 0, 2}, 5, large + "over the entire target Y-range " + r + aborted},
        {{4, 0, 1, 0.1, 0.001, 2}, 0, ""},
        {{4, 0, -1, -1, -1, 2}, 2, entire + r + adjust},
        {{4, 0, 0, 0, 1e16, -3},
         3,
         large + "at the lower end of the target Y-range " + r + aborted},
        {{4, 0, 0, 0, 1, 10}, 4, large + "at the upper end of the target Y-range " + r + aborted},
        {{4, 0, 1e13, 0, 0, 2}, 5, large + "over the entire target Y-range " + r + aborted},
        {{4, 0, 0, 5.5e10, -5e8, 2},
         6,
         large + "over the central part of the target Y-range " + r + aborted},
        {{4, 0, 10, -1, 0.01, 2},
         7,
         "The Y-variance function (turning point function) predicts zero or negative variances "
         "over part of the range of target Y-values " +
             r + ".  This can produce a discontinuity and the plot is therefore aborted." +
             adjust.substr(1)},
    };
    for (const Case& k : cases) {
        Press p;
        p.Design = Weighted(k.F);
        const VFButtonOutcome o = p.Run();
        SCOPED_TRACE(std::to_string(k.F.Form) + " code " + std::to_string(k.Code));
        ASSERT_EQ(o.FunctionsExamined, 1);
        EXPECT_EQ(o.Set.Curve(VFYFunction).Code, k.Code);
        EXPECT_EQ(o.DialogOpens, k.Code < 2);
        if (k.Text.empty()) {
            EXPECT_TRUE(o.Messages.empty());
            EXPECT_EQ(o.Focus, DesignFocus::None);
        } else {
            ExpectSingleMessage(o, k.Code < 2 ? MessageKind::Warning : MessageKind::Error, k.Text,
                                DesignFocus::YB1);
        }
    }
}

TEST(CheckVFButton, OlsExaminesTheConstantVariance) {
    Press p;
    p.Design.ConstantVariance = 1e13;
    VFButtonOutcome o = p.Run();
    EXPECT_EQ(o.Set.Curve(VFYFunction).Code, 5);
    ExpectSingleMessage(o, MessageKind::Error,
                        "The specified Y-variance is excessively large for plotting purposes.  The "
                        "Y-variance function plot is therefore aborted.",
                        DesignFocus::Variance);

    // CV = 1e5 / v % over 10..100: plotted, with the note and the focus on the constant.
    p.Design.ConstantVariance = 1e6;
    o = p.Run();
    EXPECT_TRUE(o.DialogOpens);
    ExpectSingleMessage(o, MessageKind::Warning,
                        "The specified Y-variance translates to CV > 100% over the entire target "
                        "Y-range (10 to 100), ie. the CV(%) plotting option is cancelled for the "
                        "Y-variance function.",
                        DesignFocus::Variance);

    // Imported data with OLS: nothing is examined and nothing opens.
    p.Design.DataSource = DataSource::Import;
    o = p.Run();
    EXPECT_EQ(o.FunctionsExamined, 0);
    EXPECT_TRUE(o.Messages.empty());
    EXPECT_FALSE(o.DialogOpens);
}

TEST(CheckVFButton, PartlyValidFunctionOpensAfterAWarningWithItsNote) {
    // 1e8 (50 - v)^0.01 is cut at 50 and never below 100% CV.
    Press p;
    p.Design = Weighted({2, -1, 1e8, 50, 0, 0.01});
    const VFButtonOutcome o = p.Run();
    ASSERT_TRUE(o.DialogOpens);
    EXPECT_EQ(o.Set.Curve(VFYFunction).ValidHi, 50 - 1e-8);
    ASSERT_EQ(o.Messages.size(), 1u);
    EXPECT_EQ(o.Messages[0].Kind, MessageKind::Warning);
    const std::string& text = o.Messages[0].Text;
    const std::size_t split = text.find("\r\r");
    ASSERT_NE(split, std::string::npos);
    EXPECT_EQ(text.substr(0, split).rfind("The Y-variance function will be plotted", 0), 0u);
    EXPECT_EQ(text.substr(split + 2), "The Y-variance function translates to CV > 100% over the "
                                      "entire target Y-range (10 to 100), ie. the CV(%) plotting "
                                      "option is cancelled for the Y-variance function.");
}

TEST(CheckVFButton, DemingOpensWithTheXFunctionAloneAfterTheYWarning) {
    Press p;
    p.Design.Regression = RegressionType::Deming;
    p.Design.YVariance = {2, 0, -1, 0, 0, 1};
    p.Design.XVariance = {3, 0, 0.5, 0.001, 0, 2};
    const VFButtonOutcome o = p.Run();
    ASSERT_TRUE(o.DialogOpens);
    EXPECT_EQ(o.FunctionsExamined, 2);
    EXPECT_EQ(VFCaption(o.Set), " X-Variance Function");
    EXPECT_EQ(o.Set.FirstFunction, 2);
    EXPECT_EQ(o.Set.LastFunction, 2);
    ExpectSingleMessage(o, MessageKind::Warning,
                        "The Y-variance function predicts zero or negative variances over the "
                        "entire range of target Y-values (10 to 100).  You will need to either "
                        "modify the Y-variance function parameters or adjust the Y-range (by "
                        "adjusting the X-values and/or the true Slope and Intercept values).",
                        DesignFocus::YB1);

    // Both refused: errors, Y first; the focus follows the first.
    p.Design.XVariance = {2, 0, -1, 0, 0, 1};
    const VFButtonOutcome both = p.Run();
    EXPECT_FALSE(both.DialogOpens);
    ASSERT_EQ(both.Messages.size(), 2u);
    EXPECT_EQ(both.Messages[0].Focus, DesignFocus::YB1);
    EXPECT_EQ(both.Messages[1].Focus, DesignFocus::XB1);
    EXPECT_EQ(both.Messages[1].Kind, MessageKind::Error);
    EXPECT_EQ(both.Messages[1].Text,
              "The X-variance function predicts negative variances over the entire X-range.  You "
              "will need to either modify the X-variance function parameters or adjust the "
              "X-range.");
    EXPECT_EQ(both.Focus, DesignFocus::YB1);

    // An X message alone sends the focus to the X function; the Y function opens alone.
    p.Design.YVariance = {2, 0, 1, 0, 0, 1};
    const VFButtonOutcome yOnly = p.Run();
    EXPECT_TRUE(yOnly.DialogOpens);
    ASSERT_EQ(yOnly.Messages.size(), 1u);
    EXPECT_EQ(yOnly.Messages[0].Kind, MessageKind::Warning);
    EXPECT_EQ(yOnly.Focus, DesignFocus::XB1);
    EXPECT_EQ(VFCaption(yOnly.Set), " Y-Variance Function");

    p.Design.XVariance = {2, 0, 1, 0, 0, 1};
    const VFButtonOutcome fine = p.Run();
    EXPECT_EQ(VFCaption(fine.Set), " Y and X-Variance Functions");
}

TEST(CheckVFButton, ImportedDataUsesTheImportedRanges) {
    Press p;
    p.Design.Regression = RegressionType::Deming;
    p.Design.DataSource = DataSource::Import;
    p.Design.YVariance = {2, 0, -20, 1, 0, 1};
    p.Design.XVariance = {3, 0, 1e13, 0, 0, 1};
    p.Imported.MinY = 2.5;
    p.Imported.MaxY = 1234.5;
    p.Imported.MinX = 3;
    p.Imported.MaxX = 1000;
    const VFButtonOutcome o = p.Run();
    ASSERT_TRUE(o.DialogOpens);
    EXPECT_EQ(o.Set.Curve(VFYFunction).RangeHi, 1234.5);
    EXPECT_EQ(o.Set.Curve(VFXFunction).RangeLo, 3);
    ASSERT_EQ(o.Messages.size(), 2u);
    EXPECT_EQ(o.Messages[0].Text,
              "The Y-variance function will be plotted for illustration purposes.  However it "
              "predicts zero or negative variances over part of the range of imported Y-values "
              "(2.5 to 1234.5).  You will need to modify the Y-variance function parameters.");
    EXPECT_EQ(o.Messages[1].Text,
              "The X-variance function predicts excessively large variances (at least for "
              "plotting purposes) over the entire imported X-range (3 to 1000).  The X-variance "
              "function plot is therefore aborted.");
    EXPECT_EQ(o.Messages[1].Kind, MessageKind::Warning);
    EXPECT_EQ(o.Messages[1].Focus, DesignFocus::XB1);
}

TEST(CheckVFButton, PowerTabNamesTheActualLine) {
    Press p;
    p.Tab = StudyTab::Power;
    p.Design = Weighted({2, 0, -200, 1, 0, 1});
    p.Design.ActualSlope = 2;
    const VFButtonOutcome o = p.Run();
    ExpectSingleMessage(o, MessageKind::Error,
                        "The Y-variance function predicts zero or negative variances over the "
                        "entire range of target Y-values (20 to 200).  You will need to either "
                        "modify the Y-variance function parameters or adjust the Y-range (by "
                        "adjusting the X-values and/or the actual Slope and Intercept values).",
                        DesignFocus::YB1);
}

} // namespace
} // namespace kvor
