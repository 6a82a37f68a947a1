#include "MainWindowFixture.h"
#include "app/AccuracyTab.h"
#include "app/KVORPageControl.h"
#include "app/PowerTab.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace {

TEST(NumericEditExit, NormalisesTypedValuesToTheDesignDefaults) {
    struct Row {
        const char* Edit;
        const char* Typed;
        const char* Expected;
    };
    const Row rows[] = {
        {"AMaxNumEdit", "", "100"},
        {"AMaxNumEdit", ".", "100"},
        {"AMaxNumEdit", "0", "0.001"},
        {"AMinNumEdit", "", "0"},
        {"AMinNumEdit", "2000000", "1000000"},
        {"AConstantNumEdit", "", "1"},
        {"AConstantNumEdit", "0", "1"},
        {"AConstantNumEdit", "0.5", "0.5"},
        {"ATargetSlopeNumEdit", "0.005", "0.01"},
        {"ATargetSlopeNumEdit", "-.004", "-0.01"},
        {"ATargetSlopeNumEdit", "-0.004", "1"}, // five characters at most: "-0.00"
        {"ATargetSlopeNumEdit", "0", "1"},
        {"ATargetSlopeNumEdit", "", "1"},
        {"ATargetSlopeNumEdit", "-", "1"},
        {"ATargetSlopeNumEdit", "-2.5", "-2.5"},
        {"ATargetInterceptNumEdit", "", "0"},
        {"ATargetInterceptNumEdit", "-12", "-12"},
        {"ASizeSpinEdit", "", "3"},
        {"ASizeSpinEdit", "9999", "5000"},
        {"ASamplesSpinEdit", "", "1000"},
        {"ASamplesSpinEdit", "10", "1000"},
    };
    MainWindowFixture f;
    for (const Row& row : rows) {
        f.Retype(row.Edit, row.Typed);
        EXPECT_EQ(f.Find<QLineEdit>(row.Edit)->text(), row.Expected)
            << row.Edit << " typed '" << row.Typed << "'";
    }
}

TEST(NumericEditExit, VarianceCoefficientsTakeNegativesAndDefaultOnExit) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("ADemingRadioButton")->click();
    const struct {
        const char* Edit;
        const char* Typed;
        const char* Expected;
    } rows[] = {
        {"AYJEdit", "", "1"},      {"AYJEdit", "0", "1"},    {"AYJEdit", "-70", "-65"},
        {"AYB1Edit", "", "0"},     {"AYB1Edit", "-5", "-5"}, {"AXB2Edit", "-", "0"},
        {"AXJEdit", "2.5", "2.5"},
    };
    for (const auto& row : rows) {
        f.Retype(row.Edit, row.Typed);
        EXPECT_EQ(f.Find<QLineEdit>(row.Edit)->text(), row.Expected)
            << row.Edit << " typed '" << row.Typed << "'";
    }
    // No minus for a value that must stay positive.
    f.Messages.Clear();
    f.Retype("AConstantNumEdit", "-");
    f.Find<QAbstractButton>("AOLSRadioButton")->click();
    f.Retype("AConstantNumEdit", "-3");
    EXPECT_EQ(f.Find<QLineEdit>("AConstantNumEdit")->text(), "3");
    EXPECT_GE(f.Messages.Beeps(), 1);
}

TEST(NumericEditExit, ActualSlopeFollowsTheSlopeRule) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    f.Retype("PActualSlopeNumEdit", "0");
    EXPECT_EQ(f.Find<QLineEdit>("PActualSlopeNumEdit")->text(), "1");
    f.Retype("PActualSlopeNumEdit", "0.001");
    EXPECT_EQ(f.Find<QLineEdit>("PActualSlopeNumEdit")->text(), "0.01");
    f.Retype("PNSpinEdit", "");
    EXPECT_EQ(f.Find<QLineEdit>("PNSpinEdit")->text(), "100"); // disabled: typing ignored
}

TEST(ParaSpinEdit, MinusOneSetsTheFormTwoCaptionWithAnEnDash) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("ADemingRadioButton")->click();
    auto* para = f.Find<kvor::TQIVSpinEdit>("AXParaSpinEdit");
    para->setFocus(Qt::TabFocusReason);
    KeyInput::Key(para, Qt::Key_Down);
    EXPECT_EQ(para->text(), "-1");
    EXPECT_EQ(f.Find<QAbstractButton>("AXF2RadioButton")->text(),
              QString::fromUtf8("V = B1*(B2 \u2013 X)**J"));
    KeyInput::Key(para, Qt::Key_Up);
    KeyInput::Key(para, Qt::Key_Up);
    EXPECT_EQ(f.Find<QAbstractButton>("AXF2RadioButton")->text(), "V = B1*(B2 + X)**J");
    KeyInput::Key(para, Qt::Key_Down);
    EXPECT_EQ(f.Find<QAbstractButton>("AXF2RadioButton")->text(), "V = (B1 + B2*X)**J");
    // Right arrow goes on to the form-4 button.
    KeyInput::Key(para, Qt::Key_Right);
    EXPECT_TRUE(f.Find("AXF4RadioButton")->hasFocus());
}

TEST(UpdateSampling, KeepsSetsTimesPairsWithinTheImportedCount) {
    MainWindowFixture f;
    kvor::TAccuracyTab* tab = f.Window->AccuracyTab();
    auto* sets = f.Find<kvor::TQIVSpinEdit>("ASamplesSpinEdit");
    auto* size = f.Find<kvor::TQIVSpinEdit>("ASizeSpinEdit");
    f.Find<QAbstractButton>("AReadRadioButton")->click();
    tab->ImportedData().Count = 250000;
    tab->ImportCommitted("250000 X, Y pairs", "", true);
    EXPECT_EQ(sets->text(), "1000");
    EXPECT_EQ(size->text(), "100");
    EXPECT_EQ(size->MaxValue(), 250);
    EXPECT_EQ(size->maxLength(), 3);
    EXPECT_EQ(sets->MaxValue(), 2500);
    EXPECT_EQ(sets->maxLength(), 4);

    size->SetMaxValue(5000);
    size->SetValue(300);
    tab->UpdateSampling();
    EXPECT_EQ(sets->text(), "1000");
    EXPECT_EQ(size->text(), "250");
    EXPECT_EQ(size->MaxValue(), 250);
    EXPECT_EQ(sets->MaxValue(), 1000);

    // Leaving N re-limits the data sets, leaving the data sets re-limits N.
    f.Retype("ASizeSpinEdit", "100");
    EXPECT_EQ(sets->MaxValue(), 2500);
    f.Retype("ASamplesSpinEdit", "2000");
    EXPECT_EQ(size->MaxValue(), 125);

    f.Find<QAbstractButton>("AGenerateRadioButton")->click();
    EXPECT_EQ(sets->MaxValue(), 10000);
    EXPECT_EQ(size->MaxValue(), 5000);
    EXPECT_EQ(size->maxLength(), 4);
    EXPECT_EQ(tab->ImportedData().Count, 250000); // the pairs stay
}

// Regression: fewer than 1000 imported pairs divided by zero and clamped into an empty range.
TEST(UpdateSampling, FewerPairsThanOneRunNeedsKeepsTheLowerBounds) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("AReadRadioButton")->click();
    f.Window->AccuracyTab()->ImportedData().Count = 500;
    f.Window->AccuracyTab()->ImportCommitted("500 X, Y pairs", "", true);
    EXPECT_EQ(f.Find<QLineEdit>("ASamplesSpinEdit")->text(), "1000");
    EXPECT_EQ(f.Find<QLineEdit>("ASizeSpinEdit")->text(), "3");
    f.Retype("ASizeSpinEdit", "50");
    EXPECT_EQ(f.Find<QLineEdit>("ASizeSpinEdit")->text(), "3");
}

// Puts the tab into the state of results on display.
void ShowAccuracyResults(MainWindowFixture& f) {
    for (const char* name : {"ASlopeMeanLabel", "ALinesButton", "A95CRLabel"}) {
        f.Find(name)->setEnabled(true);
    }
    f.Find<QLabel>("ASlopeMeanPanel")->setText("1.0012");
    f.Find<QLabel>("A95CRPanel")->setText("95.1");
}

TEST(ResetResults, EveryDesignChangeClearsTheAccuracyResults) {
    const char* changes[] = {"AYB1Edit", "AMinNumEdit", "ASizeSpinEdit", "ASamplesSpinEdit"};
    for (const char* edit : changes) {
        MainWindowFixture f;
        f.Find<QAbstractButton>("AWLSRadioButton")->click();
        ShowAccuracyResults(f);
        f.Retype(edit, "7");
        EXPECT_EQ(f.Find<QLabel>("ASlopeMeanPanel")->text(), "") << edit;
        EXPECT_EQ(f.Find<QLabel>("A95CRPanel")->text(), "") << edit;
        EXPECT_FALSE(f.Find("ASlopeMeanLabel")->isEnabled()) << edit;
        EXPECT_FALSE(f.Find("ALinesButton")->isEnabled()) << edit;
    }
    MainWindowFixture f;
    ShowAccuracyResults(f);
    f.Find<QAbstractButton>("ACentralRadioButton")->click();
    EXPECT_EQ(f.Find<QLabel>("ASlopeMeanPanel")->text(), "");
}

TEST(ResetResults, ProgrammaticWritesWithHandlersInactiveClearNothing) {
    MainWindowFixture f;
    ShowAccuracyResults(f);
    {
        const kvor::HandlersPause pause(f.Window->Context());
        f.Find<kvor::TQIVNumEdit>("AYB1Edit")->SetValue(3);
    }
    EXPECT_EQ(f.Find<QLabel>("ASlopeMeanPanel")->text(), "1.0012");
    // The exit write runs with handlers paused, so leaving clears nothing.
    auto* slope = f.Find<kvor::TQIVNumEdit>("ATargetSlopeNumEdit");
    {
        const kvor::HandlersPause pause(f.Window->Context());
        slope->setText("0");
    }
    slope->setFocus(Qt::TabFocusReason);
    f.Leave(slope);
    EXPECT_EQ(slope->text(), "1");
    EXPECT_EQ(f.Find<QLabel>("ASlopeMeanPanel")->text(), "1.0012");
}

TEST(ResetResults, SequentialDrawingOfImportedPairsWithdrawsTheFixedSeed) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("AReadRadioButton")->click();
    f.Window->AccuracyTab()->ImportedData().Count = 5000;
    f.Window->AccuracyTab()->ImportCommitted("5000 X, Y pairs", "", true);
    f.Find<QAbstractButton>("ASequentialRadioButton")->click();
    EXPECT_FALSE(f.Find("ASeedCheckBox")->isEnabled());
    f.Find<QAbstractButton>("ARandomRadioButton")->click();
    EXPECT_TRUE(f.Find("ASeedCheckBox")->isEnabled());
}

// Puts the Power tab into the state of results on display.
void ShowPowerResults(MainWindowFixture& f) {
    for (const char* name : {"PResultsLabel1", "PResultsLabel2", "PCISizeLabel", "CIHeaderLabel",
                             "PVisualiseButton"}) {
        f.Find(name)->setEnabled(true);
    }
    f.Find<QLabel>("PCINPanel")->setText("57");
}

TEST(PowerControls, SpecifiedNChangesKeepTheResultsAndMaximumSetsClearOnlyInAutomaticMode) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    int emptied = 0;
    QObject::connect(f.Window->PowerTab(), &kvor::TPowerTab::SpecifiedNTotalsEmptied,
                     [&emptied] { ++emptied; });
    f.Find<QAbstractButton>("PManualRadioButton")->click();
    EXPECT_EQ(emptied, 1);
    EXPECT_TRUE(f.Find("PNSpinEdit")->isEnabled());
    EXPECT_TRUE(f.Find("PNSpinEdit")->hasFocus());
    EXPECT_TRUE(f.Find("PSeedCheckBox")->isEnabled());
    EXPECT_FALSE(f.Find("PClearButton")->isEnabled());

    ShowPowerResults(f);
    f.Retype("PNSpinEdit", "250");
    f.Retype("PMaxSamplesSpinEdit", "2000");
    EXPECT_EQ(f.Find<QLabel>("PCINPanel")->text(), "57");
    EXPECT_TRUE(f.Find("PResultsLabel1")->isEnabled());

    f.Find<QAbstractButton>("PAutoRadioButton")->click();
    EXPECT_FALSE(f.Find("PNSpinEdit")->isEnabled());
    EXPECT_FALSE(f.Find("PSeedCheckBox")->isEnabled());
    ShowPowerResults(f);
    f.Retype("PMaxSamplesSpinEdit", "3000");
    EXPECT_EQ(f.Find<QLabel>("PCINPanel")->text(), "");
    EXPECT_FALSE(f.Find("PVisualiseButton")->isEnabled());
    EXPECT_FALSE(f.Find("PCISizeLabel")->isEnabled());
}

TEST(PowerControls, DetectionAndSignificanceSelectionsClearResultsAndSetTheNotes) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    ShowPowerResults(f);
    f.Find<QComboBox>("PDetectionComboBox")->setCurrentIndex(2);
    EXPECT_EQ(f.Window->PowerTab()->DetectionRate(), 95);
    EXPECT_EQ(f.Find<QLabel>("PCINPanel")->text(), "");
    ShowPowerResults(f);
    f.Find<QComboBox>("PSignificanceComboBox")->setCurrentIndex(1);
    EXPECT_EQ(f.Find<QLabel>("PResultsLabel1")->text(),
              "99% confidence interval for either Slope  or Intercept failed to enclose the "
              "Ideal relationship value.");
    EXPECT_EQ(f.Find<QLabel>("PResultsLabel2")->text(),
              "Joint 99% Slope, Intercept confidence region failed to enclose the Ideal [Slope, "
              "Intercept] point.");
    EXPECT_FALSE(f.Find("PResultsLabel1")->isEnabled());
    f.Find<QComboBox>("PSignificanceComboBox")->setCurrentIndex(0);
    EXPECT_EQ(f.Find<QLabel>("PResultsLabel1")->text(),
              "95% confidence interval for either Slope  or Intercept failed to enclose the "
              "Ideal relationship value.");
}

TEST(PowerControls, DataSourceSwitchesTheActualRelationshipAndTheClearCaption) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    f.Find<QAbstractButton>("PReadRadioButton")->click();
    EXPECT_FALSE(f.Find("PActualSlopeNumEdit")->isEnabled());
    EXPECT_EQ(f.Find<QAbstractButton>("PClearButton")->text(), "Clea&r");
    f.Find<QAbstractButton>("PGenerateRadioButton")->click();
    EXPECT_TRUE(f.Find("PActualSlopeNumEdit")->isEnabled());
    EXPECT_EQ(f.Find<QAbstractButton>("PClearButton")->text(), "Cl&ear");
}

TEST(ReadStudyDesign, CopiesTheControlsOfEachTab) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("ADemingRadioButton")->click();
    f.Find<QAbstractButton>("AYF4RadioButton")->click();
    f.Retype("AYB3Edit", "2");
    f.Retype("ATargetSlopeNumEdit", "1.5");
    f.Retype("ASizeSpinEdit", "40");
    f.Find<QAbstractButton>("ASkewedRadioButton")->click();
    f.Find<QAbstractButton>("AXF3RadioButton")->click();
    const kvor::StudyDesign a = f.Window->AccuracyTab()->ReadStudyDesign();
    EXPECT_EQ(a.Regression, kvor::RegressionType::Deming);
    EXPECT_EQ(a.YVariance.Form, 4);
    EXPECT_DOUBLE_EQ(a.YVariance.B3, 2);
    EXPECT_EQ(a.XVariance.Form, 3);
    EXPECT_DOUBLE_EQ(a.TrueSlope, 1.5);
    EXPECT_EQ(a.N, 40);
    EXPECT_EQ(a.SetsPerRun, 1000);
    EXPECT_EQ(a.XDist, kvor::XDistribution::RightSkewed);
    EXPECT_EQ(a.DataSource, kvor::DataSource::Generate);

    f.Window->pageControl()->setCurrentIndex(1);
    f.Find<QAbstractButton>("PManualRadioButton")->click();
    f.Retype("PNSpinEdit", "60");
    f.Find<QComboBox>("PSignificanceComboBox")->setCurrentIndex(1);
    f.Find<QComboBox>("PDetectionComboBox")->setCurrentIndex(0);
    const kvor::StudyDesign p = f.Window->PowerTab()->ReadStudyDesign();
    EXPECT_EQ(p.EstimationMode, kvor::EstimationMode::SpecifiedN);
    EXPECT_EQ(p.N, 60);
    EXPECT_DOUBLE_EQ(p.Significance, 0.01);
    EXPECT_EQ(p.DetectionRate, 80);
    EXPECT_DOUBLE_EQ(p.ActualSlope, 1.01);
    EXPECT_EQ(p.Regression, kvor::RegressionType::OLS);
    EXPECT_DOUBLE_EQ(p.ConstantVariance, 1);
}

} // namespace
