#include "graphs/VFMessages.h"

#include "graphs/VFCurve.h"
#include "studies/DesignCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor {
namespace {

// Expected texts are spelled out here on their own, not taken from the code's text table.
const std::string R = "(1 to 2)";
const std::string Aborted = ".  The Y-variance function plot is therefore aborted.";
const std::string XAborted = ".  The X-variance function plot is therefore aborted.";
const std::string Large =
    "The Y-variance function predicts excessively large variances (at least for plotting "
    "purposes) ";
const std::string XLarge =
    "The X-variance function predicts excessively large variances (at least for plotting "
    "purposes) ";
const std::string AdjustTrue = "  You will need to either modify the Y-variance function "
                               "parameters or adjust the Y-range (by adjusting the X-values "
                               "and/or the true Slope and Intercept values).";
const std::string AdjustActual = "  You will need to either modify the Y-variance function "
                                 "parameters or adjust the Y-range (by adjusting the X-values "
                                 "and/or the actual Slope and Intercept values).";
const std::string ModifyY = "  You will need to modify the Y-variance function parameters.";
const std::string ModifyX = "  You will need to modify the X-variance function parameters.";
const std::string AdjustX = "  You will need to either modify the X-variance function "
                            "parameters or adjust the X-range.";

struct MessageCase {
    int Function;
    bool Generated;
    bool Ols;
    bool Actual;
    int Code;
    std::string Text;
};

std::string Message(const MessageCase& k, bool cvPossible) {
    VFCurve curve;
    curve.Code = k.Code;
    curve.Plottable = k.Code < 2;
    curve.CvPossible = cvPossible;
    const VFMessageContext context{k.Generated, k.Ols,
                                   k.Actual ? VFTexts::ActualLine : VFTexts::TrueLine, R};
    return VFFunctionMessage(k.Function, curve, context);
}

TEST(VFFunctionMessage, EveryCodeForYAndXGeneratedAndImported) {
    const int Y = VFYFunction;
    const int X = VFXFunction;
    const MessageCase cases[] = {
        {Y, true, false, false, 0, ""},
        {Y, true, false, false, 1,
         "The Y-variance function will be plotted for illustration purposes.    However it "
         "predicts zero or negative variances over part of the range of target Y-values " +
             R + "." + AdjustTrue},
        {Y, true, false, true, 1,
         "The Y-variance function will be plotted for illustration purposes.    However it "
         "predicts zero or negative variances over part of the range of target Y-values " +
             R + "." + AdjustActual},
        {Y, true, false, false, 2,
         "The Y-variance function predicts zero or negative variances over the entire range of "
         "target Y-values " +
             R + "." + AdjustTrue},
        {Y, true, false, true, 2,
         "The Y-variance function predicts zero or negative variances over the entire range of "
         "target Y-values " +
             R + "." + AdjustActual},
        {Y, true, false, false, 3, Large + "at the lower end of the target Y-range " + R + Aborted},
        {Y, true, false, false, 4, Large + "at the upper end of the target Y-range " + R + Aborted},
        {Y, true, false, false, 5, Large + "over the entire target Y-range " + R + Aborted},
        {Y, true, true, false, 5,
         "The specified Y-variance is excessively large for plotting purposes.  The Y-variance "
         "function plot is therefore aborted."},
        {Y, true, false, false, 6,
         Large + "over the central part of the target Y-range " + R + Aborted},
        {Y, true, false, false, 7,
         "The Y-variance function (turning point function) predicts zero or negative variances "
         "over part of the range of target Y-values " +
             R + ".  This can produce a discontinuity and the plot is therefore aborted." +
             AdjustTrue},
        {Y, true, false, true, 7,
         "The Y-variance function (turning point function) predicts zero or negative variances "
         "over part of the range of target Y-values " +
             R + ".  This can produce a discontinuity and the plot is therefore aborted." +
             AdjustActual},
        {Y, false, false, false, 0, ""},
        {Y, false, false, false, 1,
         "The Y-variance function will be plotted for illustration purposes.  However it predicts "
         "zero or negative variances over part of the range of imported Y-values " +
             R + "." + ModifyY},
        {Y, false, false, false, 2,
         "The Y-variance function predicts zero or negative variances over the entire range of "
         "imported Y-values " +
             R + "." + ModifyY},
        {Y, false, false, false, 3,
         Large + "at the lower end of the imported Y-range " + R + Aborted},
        {Y, false, false, false, 4,
         Large + "at the upper end of the imported Y-range " + R + Aborted},
        {Y, false, false, false, 5, Large + "over the entire imported Y-range " + R + Aborted},
        {Y, false, false, false, 6,
         Large + "over the central part of the imported Y-range " + R + Aborted},
        {Y, false, false, false, 7,
         "The Y-variance function (turning point function) predicts zero or negative variances "
         "over part of the range of imported Y-values " +
             R + ".  This can produce a discontinuity and the plot is therefore aborted." +
             ModifyY},
        {X, true, false, false, 0, ""},
        {X, true, false, false, 1,
         "The X-variance function will be plotted for illustration purposes.    However it "
         "predicts negative variances over part of the range of X-values." +
             AdjustX},
        {X, true, false, false, 2,
         "The X-variance function predicts negative variances over the entire X-range." + AdjustX},
        {X, true, false, false, 3, XLarge + "at the lower end of the X-range" + XAborted},
        {X, true, false, false, 4, XLarge + "at the upper end of the X-range" + XAborted},
        {X, true, false, false, 5, XLarge + "over the entire X-range" + XAborted},
        {X, true, false, false, 6, XLarge + "over the central part of the X-range" + XAborted},
        {X, true, false, false, 7,
         "The X-variance function (turning point function) predicts negative variances over part "
         "of the X-range.  This can produce a discontinuity and the plot is therefore aborted." +
             AdjustX},
        {X, false, false, false, 1,
         "The X-variance function will be plotted for illustration purposes.  However it predicts "
         "negative variances over part of the range of imported X-values " +
             R + "." + ModifyX},
        {X, false, false, false, 2,
         "The X-variance function predicts negative variances over the entire range of imported "
         "X-values " +
             R + "." + ModifyX},
        {X, false, false, false, 3,
         XLarge + "at the lower end of the imported X-range " + R + XAborted},
        {X, false, false, false, 4,
         XLarge + "at the upper end of the imported X-range " + R + XAborted},
        {X, false, false, false, 5, XLarge + "over the entire imported X-range " + R + XAborted},
        {X, false, false, false, 6,
         XLarge + "over the cantral part of the imported X-range " + R + XAborted},
        {X, false, false, false, 7,
         "The X-variance function (turning point function) predicts negative variances over part "
         "of the range of imported X-values " +
             R + ".  This can produce a discontinuity and the plot is therefore aborted." +
             ModifyX},
    };
    for (const MessageCase& k : cases) {
        EXPECT_EQ(Message(k, true), k.Text)
            << (k.Function == Y ? "Y" : "X") << (k.Generated ? " generated" : " imported")
            << " code " << k.Code;
    }
}

TEST(VFFunctionMessage, CvNotesStandAloneOrFollowTheWarning) {
    const std::string yNote = ", ie. the CV(%) plotting option is cancelled for the Y-variance "
                              "function.";
    const std::string xNote = ", ie. the CV(%) plotting option is cancelled for the X-variance "
                              "function.";
    struct NoteCase {
        int Function;
        bool Generated;
        bool Ols;
        std::string Note;
    };
    const NoteCase cases[] = {
        {VFYFunction, true, false,
         "The Y-variance function translates to CV > 100% over the entire target Y-range " + R +
             yNote},
        {VFYFunction, true, true,
         "The specified Y-variance translates to CV > 100% over the entire target Y-range " + R +
             yNote},
        {VFYFunction, false, false,
         "The Y-variance function translates to CV > 100% over the entire imported Y-range " + R +
             yNote},
        {VFXFunction, true, false,
         "The X-variance function translates to CV > 100% over the entire X-range" + xNote},
        {VFXFunction, false, false,
         "The X-variance function translates to CV > 100% over the entire imported X-range " + R +
             xNote},
    };
    for (const NoteCase& k : cases) {
        MessageCase plotted{k.Function, k.Generated, k.Ols, false, 0, ""};
        EXPECT_EQ(Message(plotted, false), k.Note);
        MessageCase warned = plotted;
        warned.Code = 1;
        const std::string warning = Message(warned, true);
        ASSERT_FALSE(warning.empty());
        EXPECT_EQ(Message(warned, false), warning + "\r\r" + k.Note);
    }
    // A function that is not plotted gets no note.
    MessageCase refused{VFYFunction, true, false, false, 2, ""};
    EXPECT_EQ(Message(refused, false), Message(refused, true));
}

TEST(MessageRangeText, ShortestGeneralForm) {
    EXPECT_EQ(MessageRangeText(10, 100, '.'), "(10 to 100)");
    EXPECT_EQ(MessageRangeText(0.1 + 0.2, 1e-9, '.'), "(0.3 to 1E-9)");
    EXPECT_EQ(MessageRangeText(2.5, 1234.5, ','), "(2,5 to 1234,5)");
}

} // namespace
} // namespace kvor
