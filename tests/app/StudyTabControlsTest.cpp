#include "MainWindowFixture.h"
#include "app/HelpContext.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QString TextOf(const QWidget* w) {
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text();
    }
    if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        return group->title();
    }
    if (auto* box = qobject_cast<const QComboBox*>(w)) {
        return box->currentText();
    }
    return {};
}

struct ControlRow {
    const char* Name; // with the tab letter, or "*" for both twins
    const char* Text;
    int Help;       // 0: not checked
    double Min = 0; // range and length checked when Length > 0
    double Max = 0;
    int Length = 0;
};

// The design controls of both tabs as the window shows them after creation.
const ControlRow Controls[] = {
    {"*GenerateRadioButton", "Randomly &generate X, Y pairs", 210},
    {"*MinNumEdit", "10", 212, 0, 1000000, 8},
    {"*MaxNumEdit", "100", 214, 0.001, 10000000, 8},
    {"*RangeGroupBox", " X-Data Range ", 0},
    {"*MinLabel", "Minimum:", 0},
    {"*MaxLabel", "Maximum:", 0},
    {"*DistributionGroupBox", " X-Distribution ", 0},
    {"*UniformRadioButton", "Uniform", 216},
    {"*CentralRadioButton", "Centrally Located", 218},
    {"*SkewedRadioButton", "Right Skewed", 220},
    {"*ReadRadioButton", "Import X, &Y pairs", 221},
    {"*ImportButton", "Text File", 224},
    {"*PasteButton", "Paste", 225},
    {"AVIButton", "View", 222},
    {"PVIButton", "View", 223},
    {"*FileLabel1", "", 0},
    {"*FileLabel2", "", 0},
    {"ASamplingGroupBox", " I&mported Data Sampling ", 0},
    {"ARandomRadioButton", "Randomly draw X, Y pairs", 226},
    {"ASequentialRadioButton", "Draw X, Y pairs sequentially", 228},
    {"ATargetSlopeNumEdit", "1", 230, -100, 100, 5},
    {"PTargetSlopeNumEdit", "1", 410, -100, 100, 5},
    {"ATargetSlopeLabel", "True Slope:", 0},
    {"PTargetSlopeLabel", "Slope:", 0},
    {"PIdealLabel", "     Ideal Relationship:", 0},
    {"ATargetInterceptNumEdit", "0", 232, -99999, 99999, 6},
    {"PTargetInterceptNumEdit", "0", 412, -99999, 99999, 6},
    {"ATargetInterceptLabel", "True Intercept:", 0},
    {"PTargetInterceptLabel", "Intercept:", 0},
    {"ASamplesSpinEdit", "1000", 234, 1000, 10000, 5},
    {"ASamplesLabel", "No. data sets per simulation run:", 0},
    {"PMaxSamplesSpinEdit", "1000", 418, 1000, 10000, 5},
    {"PMaxSamplesLabel", "Maxim&um data sets per evaluation:", 0},
    {"ASizeSpinEdit", "100", 236, 3, 5000, 4},
    {"ASizeLabel", "No. X, Y Pairs (N):", 0},
    {"*SeedCheckBox", "Fi&xed random number seed", 264},
    {"*RegressionGroupBox", " Regression Type and Weighting ", 0},
    {"*OLSRadioButton", "O&LS (Y on X)", 300},
    {"*WLSRadioButton", "&WLS (Y on X)", 302},
    {"*DemingRadioButton", "&Deming", 304},
    {"*ConstantNumEdit", "1", 238, 1e-06, 999999999, 14},
    {"*ConstantLabel", "Variance(V):", 0},
    {"*FunctionLabel", "Constant value required to generate OLS Y-values", 0},
    {"*YGroupBox", " Y-&Variance ", 0},
    {"*YF2RadioButton", "V = (B1 + B2*Y)**J", 240},
    {"*YF3RadioButton", "V = B1 + B2*(Y**J)", 244},
    {"*YF4RadioButton", "V = B1 + B2*Y + B3*(Y**J)", 243},
    {"*YParaSpinEdit", "0", 242, -1, 1, 2},
    {"*YParaLabel", "Para:", 0},
    {"*YB1Edit", "1", 246, -999999999, 999999999, 14},
    {"*YB2Edit", "0", 248, -999999999, 999999999, 14},
    {"*YB3Edit", "0", 249, -999999999, 999999999, 14},
    {"*YJEdit", "1", 250, -65, 65, 11},
    {"*XGroupBox", " X-Variance &Function ", 0},
    {"*XF2RadioButton", "V = (B1 + B2*X)**J", 252},
    {"*XF3RadioButton", "V = B1 + B2*(X**J)", 256},
    {"*XF4RadioButton", "V = B1 + B2*X + B3*(X**J)", 255},
    {"*XParaSpinEdit", "0", 254, -1, 1, 2},
    {"*XB1Edit", "1", 257, -999999999, 999999999, 14},
    {"*XB2Edit", "0", 258, -999999999, 999999999, 14},
    {"*XB3Edit", "0", 260, -999999999, 999999999, 14},
    {"*XJEdit", "1", 261, -65, 65, 11},
    {"*VFButton", "V&iew Variance Functions", 263},
    {"AAssignButton", "Copy Powe&r Settings", 262},
    {"PAssignButton", "Copy Accu&racy Settings", 423},
    {"*BeepCheckBox", "&Beep on completion", 266},
    {"PActualSlopeNumEdit", "1.01", 414, -100, 100, 5},
    {"PActualSlopeLabel", "Slope:", 0},
    {"PActualLabel", "     Actual Relationship:", 0},
    {"PActualInterceptNumEdit", "0", 416, -99999, 99999, 6},
    {"PActualInterceptLabel", "Intercept:", 0},
    {"PDetectionComboBox", "90", 420},
    {"PDetectionLabel", "Re&quired detection rate (%):", 0},
    {"PSignificanceComboBox", "0.05", 422},
    {"PSignificanceLabel", "Significance level&:", 0},
    {"PEstimationGroupBox", " Estimation &Mode ", 0},
    {"PAutoRadioButton", "Automatic estimation of required sample size (N)", 424},
    {"PManualRadioButton", "Detection rate for a specified N", 426},
    {"PNSpinEdit", "100", 428, 3, 5000, 4},
    {"PNLabel", "N:", 0},
    {"PClearButton", "Cl&ear", 430},
    {"*StartButton", "&Start Run", 268},
    {"*AbortButton", "Abort", 272},
    {"*CopyButton", "&Copy", 312},
    {"*PrintSetupButton", "Printer Se&tup", 314},
    {"*PrintButton", "Pri&nt", 316},
    {"*CloseButton", "Cl&ose", 318},
    {"AHelpButton", "&Help", 320},
    {"PHelpButton", "&Help", 452},
    {"ALinesButton", "View Res&ults", 281},
    {"PVisualiseButton", "Visualise", 0},
    {"PResultsLabel1",
     "95% confidence interval for either Slope or Intercept failed to enclose the Ideal "
     "relationship value.",
     0},
};

TEST(StudyTabControls, CaptionsDefaultsRangesLengthsAndHelpIds) {
    MainWindowFixture f;
    for (const ControlRow& row : Controls) {
        QStringList names;
        const QString name(row.Name);
        if (name.startsWith('*')) {
            names << "A" + name.mid(1) << "P" + name.mid(1);
        } else {
            names << name;
        }
        for (const QString& n : names) {
            SCOPED_TRACE(n.toStdString());
            const QWidget* w = f.Find(n);
            if (w == nullptr) {
                continue;
            }
            EXPECT_EQ(TextOf(w), QString(row.Text));
            if (row.Help != 0) {
                EXPECT_EQ(kvor::HelpContextOf(w), row.Help);
            }
            if (row.Length == 0) {
                continue;
            }
            if (auto* num = qobject_cast<const kvor::TQIVNumEdit*>(w)) {
                EXPECT_DOUBLE_EQ(num->MinValue(), row.Min);
                EXPECT_DOUBLE_EQ(num->MaxValue(), row.Max);
                EXPECT_EQ(num->maxLength(), row.Length);
            } else if (auto* spin = qobject_cast<const kvor::TQIVSpinEdit*>(w)) {
                EXPECT_EQ(spin->MinValue(), row.Min);
                EXPECT_EQ(spin->MaxValue(), row.Max);
                EXPECT_EQ(spin->maxLength(), row.Length);
            } else {
                ADD_FAILURE() << "not a numeric edit";
            }
        }
    }
    auto* detection = f.Find<QComboBox>("PDetectionComboBox");
    ASSERT_EQ(detection->count(), 3);
    EXPECT_EQ(detection->itemText(0), "80");
    EXPECT_EQ(detection->itemText(2), "95");
    auto* significance = f.Find<QComboBox>("PSignificanceComboBox");
    ASSERT_EQ(significance->count(), 2);
    EXPECT_EQ(significance->itemText(1), "0.01");
    EXPECT_EQ(significance->maxVisibleItems(), 3);
    EXPECT_TRUE(f.Find<kvor::TQIVSpinEdit>("AYParaSpinEdit")->isReadOnly());
    EXPECT_DOUBLE_EQ(f.Find<kvor::TQIVNumEdit>("AYB1Edit")->Tag(), -999999999);
    EXPECT_DOUBLE_EQ(f.Find<kvor::TQIVNumEdit>("PXJEdit")->Tag(), -65);
}

TEST(StudyTabControls, ResultsAreaAndLowerButtonRowArePresent) {
    MainWindowFixture f;
    const char* names[] = {"ASlopeMeanPanel",
                           "ASlopeSDPanel",
                           "AIntMeanPanel",
                           "AIntSDPanel",
                           "SlopeZLabel",
                           "SlopePLabel",
                           "InterceptZLabel",
                           "InterceptPLabel",
                           "A95SlopeCIPanel",
                           "A99SlopeCIPanel",
                           "A95IntCIPanel",
                           "A99IntCIPanel",
                           "A95CRPanel",
                           "A99CRPanel",
                           "ASlopeMeanLabel",
                           "ASlopeHLabel",
                           "ACRHLabel",
                           "A99CRLabel",
                           "AProgLabel1",
                           "AProgLabel2",
                           "ATimePanel",
                           "PTimePanel",
                           "PResultsGroupBox",
                           "CIHeaderLabel",
                           "CRHeaderLabel",
                           "PCIHeaderLabel",
                           "PCRHeaderLabel",
                           "PCIScrollBox",
                           "PCRScrollBox",
                           "PCINPanel",
                           "PCISamplesPanel",
                           "PCIMeanSlopePanel",
                           "PCIMeanInterceptPanel",
                           "PCRNPanel",
                           "PCRSamplesPanel",
                           "PCRMeanSlopePanel",
                           "PCRMeanInterceptPanel",
                           "PCISizeLabel",
                           "PCRSamplesLabel",
                           "PResultsLabel2",
                           "PowerLabel",
                           "PDesignLabel"};
    for (const char* name : names) {
        EXPECT_NE(f.Window->findChild<QWidget*>(name), nullptr) << name;
    }
    EXPECT_EQ(f.Find<QLabel>("AProgLabel1")->text(), " Progress:");
    EXPECT_EQ(f.Find<QLabel>("PCIHeaderLabel")->text(), "   N       Detection    Data sets");
    EXPECT_FALSE(f.Find("ASlopeMeanLabel")->isEnabled());
    EXPECT_FALSE(f.Find("PVisualiseButton")->isEnabled());
    EXPECT_FALSE(f.Find("AAbortButton")->isEnabled());
}

} // namespace
