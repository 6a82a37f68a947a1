#include "MainWindowFixture.h"
#include "app/AccuracyTab.h"
#include "app/KVORPageControl.h"
#include "app/MainTexts.h"
#include "app/PowerTab.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "engine/ImportedData.h"
#include "engine/RunResults.h"
#include "studies/AccuracyRun.h"
#include "studies/DesignCheck.h"
#include "studies/DetectionPanels.h"
#include "studies/FailedSetExport.h"
#include "studies/PowerRun.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

using kvor::MessageAnswer;
using kvor::MessageKind;

namespace {

// Lets the window run until the tab's run has ended (bounded, so a hang fails instead of
// blocking the test program).
void WaitForRun(const kvor::TStudyTab* tab) {
    ASSERT_TRUE(QTest::qWaitFor([tab] { return !tab->RunActive(); }, 120000));
}

// Lets the window run until the progress label shows a count.
void WaitForProgress(MainWindowFixture& f, const QString& label) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.Find<QLabel>(label)->text().isEmpty(); }, 60000));
}

void Click(MainWindowFixture& f, const QString& name) {
    f.Find<QAbstractButton>(name)->click();
}

QString Text(MainWindowFixture& f, const QString& name) {
    return f.Find<QLabel>(name)->text();
}

// A run far longer than any test waits for.
void LongAccuracyDesign(MainWindowFixture& f) {
    Click(f, "ADemingRadioButton");
    f.Retype("ASamplesSpinEdit", "10000");
    f.Retype("ASizeSpinEdit", "5000");
}

kvor::AccuracyRunOutcome HeadlessAccuracy(const kvor::StudyDesign& design,
                                          const kvor::ImportedData* imported) {
    std::atomic<bool> go{true};
    kvor::AccuracyRunControl control;
    control.AbortFlag = &go;
    auto results = std::make_unique<kvor::RunResults>();
    return kvor::ACalculations(design, imported, *results, control);
}

const QStringList AccuracyPanelNames{
    "ASlopeMeanPanel", "ASlopeSDPanel",   "SlopeZLabel",     "SlopePLabel",     "AIntMeanPanel",
    "AIntSDPanel",     "InterceptZLabel", "InterceptPLabel", "A95SlopeCIPanel", "A99SlopeCIPanel",
    "A95IntCIPanel",   "A99IntCIPanel",   "A95CRPanel",      "A99CRPanel"};

} // namespace

TEST(AStartButtonClick, FixedSeedPanelsEqualTheHeadlessRun) {
    struct Case {
        const char* Regression;
        const char* Sets;
        const char* N;
    };
    for (const Case& c :
         {Case{"AOLSRadioButton", "1000", "10"}, Case{"ADemingRadioButton", "1000", "8"}}) {
        SCOPED_TRACE(c.Regression);
        MainWindowFixture f;
        Click(f, c.Regression);
        f.Retype("ASamplesSpinEdit", c.Sets);
        f.Find<QCheckBox>("ASeedCheckBox")->setChecked(true);
        f.Find<QCheckBox>("ABeepCheckBox")->setChecked(true);
        // Typed and not left: the run sees the normalised value.
        QWidget* size = f.Find("ASizeSpinEdit");
        size->setFocus(Qt::TabFocusReason);
        KeyInput::Key(size, Qt::Key_A, Qt::ControlModifier);
        KeyInput::Clicks(size, c.N);
        Click(f, "AStartButton");
        EXPECT_TRUE(f.Find("AAbortButton")->isEnabled() || !f.Window->AccuracyTab()->RunActive());
        WaitForRun(f.Window->AccuracyTab());

        const kvor::StudyDesign design = f.Window->AccuracyTab()->ReadStudyDesign();
        ASSERT_EQ(design.N, QString(c.N).toInt());
        const kvor::AccuracyRunOutcome reference = HeadlessAccuracy(design, nullptr);
        ASSERT_EQ(reference.End, kvor::RunEnd::Completed);
        for (const auto& [name, text] : reference.Results->Panels.Named()) {
            EXPECT_EQ(Text(f, QString::fromStdString(name)).toStdString(), text) << name;
        }
        EXPECT_EQ(Text(f, "AProgLabel2"), c.Sets);
        EXPECT_TRUE(f.Find("ALinesButton")->isEnabled());
        EXPECT_TRUE(f.Find("ASlopeMeanLabel")->isEnabled());
        EXPECT_TRUE(f.Find("AStartButton")->hasFocus());
        EXPECT_FALSE(f.Find("AAbortButton")->isEnabled());
        EXPECT_FALSE(f.Window->AbortFlag());
        // The completion beep, then the closing message when sets had no confidence limits.
        const int valid = reference.Results->ValidCount;
        const int sets = design.SetsPerRun;
        if (valid < sets) {
            ASSERT_EQ(f.Messages.Messages().size(), 1);
            EXPECT_EQ(f.Messages.Messages()[0].Text, kvor::MainTexts::SetsLeftOut(valid, sets));
        } else {
            EXPECT_TRUE(f.Messages.Messages().isEmpty());
            EXPECT_EQ(f.Messages.Beeps(), 1);
        }
    }
}

TEST(MainTextsSetsLeftOut, NamesOneSetOrTheCount) {
    EXPECT_EQ(kvor::MainTexts::SetsLeftOut(999, 1000),
              "Calculation of Confidence Intervals and joint Confidence Region failed for 1 set."
              "  Frequencies of enclosure of target values were therefore determined from 999 of "
              "the 1000 sets.");
    EXPECT_EQ(kvor::MainTexts::SetsLeftOut(997, 1000),
              "Calculation of Confidence Intervals and joint Confidence Region failed for 3 sets."
              "  Frequencies of enclosure of target values were therefore determined from 997 of "
              "the 1000 sets.");
}

TEST(AAbortButtonClick, AbortLeavesEveryPanelAndTheProgressEmpty) {
    MainWindowFixture f;
    LongAccuracyDesign(f);
    Click(f, "AStartButton");
    EXPECT_FALSE(f.Find("AStartButton")->isEnabled());
    EXPECT_FALSE(f.Find("ADataGroupBox")->isEnabled());
    WaitForProgress(f, "AProgLabel2");
    // A second Start while the run is under way starts nothing.
    f.Window->AccuracyTab()->StartButtonClick();
    Click(f, "AAbortButton");
    WaitForRun(f.Window->AccuracyTab());
    for (const QString& panel : AccuracyPanelNames) {
        EXPECT_TRUE(Text(f, panel).isEmpty()) << panel.toStdString();
    }
    EXPECT_TRUE(Text(f, "AProgLabel2").isEmpty());
    EXPECT_FALSE(f.Find("ASlopeMeanLabel")->isEnabled());
    EXPECT_FALSE(f.Find("ALinesButton")->isEnabled());
    EXPECT_TRUE(f.Find("AStartButton")->isEnabled());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    EXPECT_FALSE(f.Window->AbortFlag());
}

TEST(AAbortButtonClick, AfterTheRunEndedKeepsTheResults) {
    MainWindowFixture f;
    f.Find<QCheckBox>("ASeedCheckBox")->setChecked(true);
    Click(f, "AStartButton");
    WaitForRun(f.Window->AccuracyTab());
    const QString mean = Text(f, "ASlopeMeanPanel");
    ASSERT_FALSE(mean.isEmpty());
    f.Window->AccuracyTab()->AAbortButtonClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(Text(f, "ASlopeMeanPanel"), mean);
    EXPECT_FALSE(f.Window->AccuracyTab()->RunActive());
}

TEST(AStartButtonClick, RefusedDesignShowsTheCheckAndClearsNothing) {
    MainWindowFixture f;
    f.Find<QCheckBox>("ASeedCheckBox")->setChecked(true);
    Click(f, "AStartButton");
    WaitForRun(f.Window->AccuracyTab());
    const QString mean = Text(f, "ASlopeMeanPanel");
    {
        const kvor::HandlersPause pause(f.Window->Context());
        f.Find<kvor::TQIVNumEdit>("ATargetInterceptNumEdit")->SetValue(-20);
    }
    f.Messages.Clear();
    Click(f, "AStartButton");
    const kvor::StudyDesign design = f.Window->AccuracyTab()->ReadStudyDesign();
    const kvor::DesignCheckResult check =
        kvor::CheckDesign(design, kvor::StudyTab::Accuracy, kvor::PoolExtremes{});
    ASSERT_FALSE(check.Passed);
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages()[0].Kind, MessageKind::Information);
    EXPECT_EQ(f.Messages.Messages()[0].Text.toStdString(), check.Message);
    EXPECT_EQ(f.Messages.Beeps(), 1);
    EXPECT_TRUE(f.Find("AMinNumEdit")->hasFocus());
    EXPECT_EQ(Text(f, "ASlopeMeanPanel"), mean);
    EXPECT_TRUE(f.Window->isEnabled());
    EXPECT_FALSE(f.Window->AccuracyTab()->RunActive());
}

TEST(StartButtonClick, ImportingTabWithoutPairsIsTurnedAway) {
    for (const char* tab : {"A", "P"}) {
        SCOPED_TRACE(tab);
        MainWindowFixture f;
        const QString t(tab);
        if (t == "P") {
            f.Window->pageControl()->setCurrentIndex(1);
        }
        Click(f, t + "ReadRadioButton");
        Click(f, t + "StartButton");
        ASSERT_EQ(f.Messages.Messages().size(), 1);
        EXPECT_EQ(f.Messages.Messages()[0].Kind, MessageKind::Error);
        EXPECT_EQ(f.Messages.Messages()[0].Text, kvor::MainTexts::NoPairsImported);
        EXPECT_EQ(f.Messages.Beeps(), 1);
        EXPECT_TRUE(f.Find(t + "ImportButton")->hasFocus());
        EXPECT_TRUE(f.Window->isEnabled());
        EXPECT_TRUE(f.Find(t + "StartButton")->isEnabled());
    }
}

namespace {

// 3000 pairs whose 17th set of three (pairs 49 to 51) has a single X-value.
void FailingPool(kvor::ImportedData& pool) {
    pool.Count = 3000;
    for (int i = 0; i < pool.Count; ++i) {
        pool.X[i] = 10 + i % 3 + 0.5 * (i % 7);
        pool.Y[i] = pool.X[i] + 0.1 * (i % 5);
    }
    const double ys[3] = {15.5, 16.25, 17.125};
    for (int k = 0; k < 3; ++k) {
        pool.X[48 + k] = 12.5;
        pool.Y[48 + k] = ys[k];
    }
    pool.MinX = 10;
    pool.MaxX = 15;
    pool.MinY = 10;
    pool.MaxY = 15.5;
}

} // namespace

TEST(AStartButtonClick, FailedSetIsExportedOnYesOnly) {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        SCOPED_TRACE(answer == MessageAnswer::Yes ? "Yes" : "No");
        MainWindowFixture f;
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        f.Window->SetHomeFolder(home.path() + "/");
        kvor::TAccuracyTab* tab = f.Window->AccuracyTab();
        Click(f, "AReadRadioButton");
        FailingPool(tab->ImportedData());
        tab->ImportCommitted("pairs", "3000", true);
        Click(f, "ASequentialRadioButton");
        f.Retype("ASizeSpinEdit", "3");
        f.Messages.Clear();
        f.Messages.QueueAnswer(answer);
        Click(f, "AStartButton");
        WaitForRun(tab);

        const kvor::AccuracyRunOutcome reference =
            HeadlessAccuracy(tab->ReadStudyDesign(), &tab->ImportedData());
        ASSERT_EQ(reference.End, kvor::RunEnd::Failed);
        ASSERT_EQ(f.Messages.Messages().size(), 1);
        EXPECT_EQ(f.Messages.Messages()[0].Buttons, kvor::MessageButtons::YesNo);
        EXPECT_EQ(f.Messages.Messages()[0].Text.toStdString(), reference.Failure->Message);
        EXPECT_EQ(f.Messages.Beeps(), 1);
        const QString file = home.path() + "/" + kvor::FailedSetFileName;
        if (answer == MessageAnswer::Yes) {
            QFile written(file);
            ASSERT_TRUE(written.open(QIODevice::ReadOnly));
            EXPECT_EQ(written.readAll().toStdString(),
                      kvor::FailedSetFileText(*reference.Failure, '.'));
        } else {
            EXPECT_FALSE(QFile::exists(file));
        }
        EXPECT_TRUE(Text(f, "ASlopeMeanPanel").isEmpty());
        EXPECT_TRUE(Text(f, "AProgLabel2").isEmpty());
        EXPECT_TRUE(f.Find("AStartButton")->isEnabled());
        EXPECT_FALSE(f.Window->AbortFlag());
    }
}

TEST(AStartButtonClick, UnwritableHomeFolderShowsTheWritingError) {
    MainWindowFixture f;
    f.Window->SetHomeFolder("/nonexistent-kvor-folder/");
    kvor::TAccuracyTab* tab = f.Window->AccuracyTab();
    Click(f, "AReadRadioButton");
    FailingPool(tab->ImportedData());
    tab->ImportCommitted("pairs", "3000", true);
    Click(f, "ASequentialRadioButton");
    f.Retype("ASizeSpinEdit", "3");
    f.Messages.Clear();
    f.Messages.QueueAnswer(MessageAnswer::Yes);
    Click(f, "AStartButton");
    WaitForRun(tab);
    ASSERT_EQ(f.Messages.Messages().size(), 2);
    EXPECT_EQ(f.Messages.Messages()[1].Kind, MessageKind::Error);
    EXPECT_EQ(f.Messages.Messages()[1].Text,
              "Error writing X, Y pairs to text file.  Try again and contact the program author "
              "if the problem persists.\r\rFolder tried: /nonexistent-kvor-folder/");
    EXPECT_EQ(f.Messages.Beeps(), 2);
}

TEST(TKVORMain, TabChangeIsRefusedWhileARunIsUnderWay) {
    MainWindowFixture f;
    LongAccuracyDesign(f);
    Click(f, "AStartButton");
    WaitForProgress(f, "AProgLabel2");
    QTabBar* bar = f.Window->pageControl()->tabBar();
    const QPoint power = bar->tabRect(1).center();
    KeyInput::Mouse(bar, QEvent::MouseButtonPress, power);
    KeyInput::Mouse(bar, QEvent::MouseButtonRelease, power);
    EXPECT_EQ(f.Window->pageControl()->currentIndex(), 0);
    Click(f, "AAbortButton");
    WaitForRun(f.Window->AccuracyTab());
}

TEST(TKVORMain, ClosingOrDestroyingDuringARunJoinsTheWorker) {
    for (const bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "closed");
        MainWindowFixture f;
        LongAccuracyDesign(f);
        Click(f, "AStartButton");
        WaitForProgress(f, "AProgLabel2");
        if (destroy) {
            f.Window.reset(); // must not crash nor leave a thread behind (checked by sanitizers)
            continue;
        }
        f.Window->close();
        EXPECT_FALSE(f.Window->AccuracyTab()->RunActive());
        EXPECT_FALSE(f.Window->AbortFlag());
        EXPECT_TRUE(f.Messages.Messages().isEmpty());
    }
}

namespace {

MainWindowFixture& OnPowerTab(MainWindowFixture& f) {
    f.Window->pageControl()->setCurrentIndex(1);
    return f;
}

const QStringList PowerPanelNames{
    "PCINPanel", "PCISamplesPanel", "PCIMeanSlopePanel", "PCIMeanInterceptPanel",
    "PCRNPanel", "PCRSamplesPanel", "PCRMeanSlopePanel", "PCRMeanInterceptPanel"};

} // namespace

TEST(PStartButtonClick, AutomaticRunPaintsBothTablesAndTheRequiredN) {
    MainWindowFixture f;
    OnPowerTab(f);
    f.Retype("PActualSlopeNumEdit", "1.5");
    Click(f, "PStartButton");
    EXPECT_FALSE(f.Find("PActualSlopeNumEdit")->isEnabled());
    WaitForRun(f.Window->PowerTab());
    const kvor::PowerResults& results = f.Window->PowerTab()->Results();
    for (const auto& [key, side] :
         {std::pair<QString, const kvor::DetectionSide*>{"CI", &results.Intervals},
          {"CR", &results.Region}}) {
        SCOPED_TRACE(key.toStdString());
        ASSERT_FALSE(side->TableLines.empty());
        EXPECT_GT(side->AnswerStore, 0);
        const auto* image = f.Find<QLabel>("P" + key + "Image");
        EXPECT_TRUE(image->isVisible());
        EXPECT_GE(image->height(),
                  static_cast<int>(side->TableLines.size()) * f.Window->PowerTab()->RowHeight());
        const kvor::DetectionPanelTexts texts =
            kvor::PanelTexts(side->AnswerStore, side->Totals, '.');
        EXPECT_EQ(Text(f, "P" + key + "NPanel").toStdString(), texts.RequiredN);
        EXPECT_EQ(Text(f, "P" + key + "SamplesPanel").toStdString(), texts.TotalSets);
        EXPECT_EQ(Text(f, "P" + key + "MeanSlopePanel").toStdString(), texts.MeanSlope);
        EXPECT_FALSE(texts.TotalSets.empty());
        EXPECT_TRUE(f.Find("P" + key + "SizeLabel")->isEnabled());
    }
    EXPECT_TRUE(f.Find("PVisualiseButton")->isEnabled());
    EXPECT_TRUE(f.Find("PVisualiseButton")->hasFocus());
    EXPECT_TRUE(f.Find("PResultsLabel1")->isEnabled());
    EXPECT_TRUE(Text(f, "PProgLabel2").isEmpty());
    EXPECT_FALSE(f.Find("PClearButton")->isEnabled());
    EXPECT_FALSE(f.Window->AbortFlag());
}

TEST(PStartButtonClick, SpecifiedNRunsAccumulateAndEqualTheHeadlessRun) {
    MainWindowFixture f;
    OnPowerTab(f);
    f.Retype("PActualSlopeNumEdit", "1.2");
    Click(f, "PManualRadioButton");
    f.Retype("PNSpinEdit", "20");
    f.Find<QCheckBox>("PSeedCheckBox")->setChecked(true);
    kvor::PowerResults reference;
    std::atomic<bool> go{true};
    kvor::PowerRunControl control;
    control.AbortFlag = &go;
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        Click(f, "PStartButton");
        WaitForRun(f.Window->PowerTab());
        const kvor::StudyDesign design = f.Window->PowerTab()->ReadStudyDesign();
        ASSERT_TRUE(kvor::PCalculations(design, nullptr, reference, control).Completed);
        const kvor::PowerResults& shown = f.Window->PowerTab()->Results();
        EXPECT_EQ(shown.Intervals.TableLines, reference.Intervals.TableLines);
        EXPECT_EQ(shown.Region.TableLines, reference.Region.TableLines);
        const auto texts = kvor::PanelTexts(0, reference.Region.Totals, '.');
        EXPECT_EQ(Text(f, "PCRSamplesPanel").toStdString(), texts.TotalSets);
        EXPECT_EQ(Text(f, "PCRMeanSlopePanel").toStdString(), texts.MeanSlope);
        EXPECT_TRUE(Text(f, "PCINPanel").isEmpty());
        EXPECT_FALSE(f.Find("PCISizeLabel")->isEnabled());
        EXPECT_TRUE(f.Find("PCISamplesLabel")->isEnabled());
        EXPECT_TRUE(f.Find("PClearButton")->isEnabled());
    }
    EXPECT_EQ(f.Window->PowerTab()->Results().Intervals.TableLines.size(), 2u);

    Click(f, "PClearButton");
    EXPECT_TRUE(f.Window->PowerTab()->Results().Intervals.TableLines.empty());
    EXPECT_EQ(f.Window->PowerTab()->Results().Region.Totals.Count, 0);
    for (const QString& panel : PowerPanelNames) {
        EXPECT_TRUE(Text(f, panel).isEmpty()) << panel.toStdString();
    }
    EXPECT_FALSE(f.Find("PClearButton")->isEnabled());
    EXPECT_TRUE(f.Find("PStartButton")->hasFocus());
}

TEST(PAbortButtonClick, AbortEmptiesBothTables) {
    MainWindowFixture f;
    OnPowerTab(f);
    f.Retype("PActualSlopeNumEdit", "1.001");
    f.Retype("PMaxSamplesSpinEdit", "10000");
    Click(f, "PStartButton");
    // The tables are refreshed while the search goes on.
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Find("PCIImage")->isVisible(); }, 60000));
    EXPECT_FALSE(Text(f, "PCISamplesPanel").isEmpty());
    Click(f, "PAbortButton");
    WaitForRun(f.Window->PowerTab());
    EXPECT_FALSE(f.Find("PCIImage")->isVisible());
    EXPECT_FALSE(f.Find("PCRImage")->isVisible());
    for (const QString& panel : PowerPanelNames) {
        EXPECT_TRUE(Text(f, panel).isEmpty()) << panel.toStdString();
    }
    EXPECT_TRUE(f.Window->PowerTab()->Results().Intervals.TableLines.empty());
    EXPECT_TRUE(f.Window->PowerTab()->Results().Region.TableLines.empty());
    EXPECT_FALSE(f.Find("PVisualiseButton")->isEnabled());
    EXPECT_TRUE(f.Find("PStartButton")->hasFocus());
    EXPECT_FALSE(f.Window->AbortFlag());
}

namespace {

struct EnabledCase {
    const char* Name;
    std::function<void(MainWindowFixture&)> Setup;
    std::function<void(MainWindowFixture&)> Reopen;
    std::vector<std::pair<const char*, bool>> Expected;
};

void Import3000(MainWindowFixture& f, kvor::TStudyTab* tab, const QString& letter) {
    Click(f, letter + "ReadRadioButton");
    FailingPool(tab->ImportedData());
    tab->ImportCommitted("pairs", "3000", true);
}

} // namespace

TEST(Reopen, EnablesExactlyTheListedControls) {
    const auto accuracy = [](bool completed) {
        return [completed](MainWindowFixture& f) {
            f.Window->AccuracyTab()->AShutDown();
            f.Window->AccuracyTab()->AReopen(completed);
        };
    };
    const auto power = [](MainWindowFixture& f) {
        f.Window->PowerTab()->PShutDown();
        f.Window->PowerTab()->PReopen();
    };
    const auto none = [](MainWindowFixture&) {};
    const std::vector<std::pair<const char*, bool>> generateOls{
        {"ADataGroupBox", true},      {"AGenerateRadioButton", true},
        {"AReadRadioButton", true},   {"AMinNumEdit", true},
        {"AMaxLabel", true},          {"ASkewedRadioButton", true},
        {"AConstantNumEdit", true},   {"AAssignButton", true},
        {"AVFButton", true},          {"ATargetSlopeNumEdit", true},
        {"ASamplesSpinEdit", true},   {"ASizeLabel", true},
        {"ADemingRadioButton", true}, {"ASeedCheckBox", true},
        {"AStartButton", true},       {"APrintButton", true},
        {"AHelpButton", true},        {"ABeepCheckBox", true},
        {"ACloseButton", true},       {"AImportButton", false},
        {"AVIButton", false},         {"AAbortButton", false},
        {"ASamplingGroupBox", false}, {"AXB1Edit", false}};
    auto withResults = [&generateOls](bool on) {
        auto expected = generateOls;
        for (const char* name : {"ASlopeMeanLabel", "A95CRLabel", "ALinesButton"}) {
            expected.emplace_back(name, on);
        }
        return expected;
    };
    const std::vector<EnabledCase> cases{
        {"Accuracy completed", none, accuracy(true), withResults(true)},
        {"Accuracy aborted", none, accuracy(false), withResults(false)},
        {"Accuracy Deming",
         [](MainWindowFixture& f) { Click(f, "ADemingRadioButton"); },
         accuracy(false),
         {{"AXGroupBox", true}, {"AXB1Edit", true}, {"AXJEdit", true}, {"AYB2Edit", true}}},
        {"Accuracy importing",
         [](MainWindowFixture& f) { Import3000(f, f.Window->AccuracyTab(), "A"); },
         accuracy(true),
         {{"AImportButton", true},
          {"AVIButton", true},
          {"ASamplingGroupBox", true},
          {"ASequentialRadioButton", true},
          {"AFileLabel1", true},
          {"AMinNumEdit", false},
          {"AUniformRadioButton", false},
          {"AConstantNumEdit", false},
          {"AAssignButton", true},
          {"AVFButton", false}}},
        {"Power automatic",
         [](MainWindowFixture& f) { OnPowerTab(f); },
         power,
         {{"PActualSlopeNumEdit", true},
          {"PowerLabel", true},
          {"PDetectionComboBox", true},
          {"PSignificanceComboBox", true},
          {"PAutoRadioButton", true},
          {"PMaxSamplesSpinEdit", true},
          {"PMinNumEdit", true},
          {"PAssignButton", true},
          {"PClearButton", false},
          {"PNSpinEdit", false},
          {"PSeedCheckBox", false},
          {"PVisualiseButton", false},
          {"PAbortButton", false},
          {"PStartButton", true},
          {"PCopyButton", true}}},
        {"Power specified N",
         [](MainWindowFixture& f) {
             OnPowerTab(f);
             Click(f, "PManualRadioButton");
         },
         power,
         {{"PClearButton", true},
          {"PNLabel", true},
          {"PNSpinEdit", true},
          {"PSeedCheckBox", true}}},
        {"Power importing without pairs",
         [](MainWindowFixture& f) {
             OnPowerTab(f);
             Click(f, "PReadRadioButton");
         },
         power,
         {{"PImportButton", true},
          {"PVIButton", false},
          {"PAssignButton", true},
          {"PActualSlopeNumEdit", false},
          {"PMinNumEdit", false},
          {"PTargetSlopeNumEdit", true}}},
    };
    for (const EnabledCase& c : cases) {
        SCOPED_TRACE(c.Name);
        MainWindowFixture f;
        c.Setup(f);
        c.Reopen(f);
        for (const auto& [name, enabled] : c.Expected) {
            EXPECT_EQ(f.Find(name)->isEnabled(), enabled) << name;
        }
    }
}

TEST(AAssignButtonClick, EqualSettingsChangeNothingAndKeepTheResults) {
    MainWindowFixture f;
    f.Find<QCheckBox>("ASeedCheckBox")->setChecked(true);
    Click(f, "AStartButton");
    WaitForRun(f.Window->AccuracyTab());
    const QString mean = Text(f, "ASlopeMeanPanel");
    ASSERT_FALSE(mean.isEmpty());
    Click(f, "AAssignButton");
    EXPECT_EQ(Text(f, "ASlopeMeanPanel"), mean);
    EXPECT_TRUE(f.Find("ASlopeMeanLabel")->isEnabled());
    EXPECT_TRUE(f.Find<QRadioButton>("AOLSRadioButton")->isChecked());
}

TEST(AAssignButtonClick, CopiesWlsFormFourAndB3FromThePowerTab) {
    MainWindowFixture f;
    OnPowerTab(f);
    Click(f, "PWLSRadioButton");
    Click(f, "PYF4RadioButton");
    f.Retype("PYB3Edit", "2");
    f.Window->pageControl()->setCurrentIndex(0);
    Click(f, "AAssignButton");
    EXPECT_TRUE(f.Find<QRadioButton>("AWLSRadioButton")->isChecked());
    EXPECT_TRUE(f.Find<QRadioButton>("AYF4RadioButton")->isChecked());
    EXPECT_TRUE(f.Find("AYB3Edit")->isVisible());
    EXPECT_TRUE(f.Find("AYB3Edit")->isEnabled());
    EXPECT_EQ(f.Find<kvor::TQIVNumEdit>("AYB3Edit")->Value(), 2);
    EXPECT_TRUE(f.Window->HandlersActive());
    // The other way round nothing differs any more.
    const QString b3 = f.Find<kvor::TQIVNumEdit>("PYB3Edit")->text();
    f.Window->pageControl()->setCurrentIndex(1);
    Click(f, "PAssignButton");
    EXPECT_EQ(f.Find<kvor::TQIVNumEdit>("PYB3Edit")->text(), b3);
    EXPECT_TRUE(f.Find<QRadioButton>("PWLSRadioButton")->isChecked());
}

namespace {

// Answers the failure question by closing the main window first.
class ClosingMessages final : public kvor::MessageService {
public:
    void MessageBeep() override {}
    MessageAnswer ShowMessage(MessageKind, const QString&, kvor::MessageButtons buttons) override {
        if (buttons == kvor::MessageButtons::YesNo && Window != nullptr) {
            ++Questions;
            Window->close();
        }
        return MessageAnswer::No;
    }

    kvor::TKVORMain* Window = nullptr;
    int Questions = 0;
};

} // namespace

TEST(AStartButtonClick, ClosingDuringTheFailureQuestionEndsCleanly) {
    ClosingMessages messages;
    kvor::ScriptedSystemSettings settings;
    auto window = std::make_unique<kvor::TKVORMain>(&messages, &settings);
    messages.Window = window.get();
    window->show();
    QApplication::processEvents();
    kvor::TAccuracyTab* tab = window->AccuracyTab();
    window->findChild<QAbstractButton*>("AReadRadioButton")->click();
    FailingPool(tab->ImportedData());
    tab->ImportCommitted("pairs", "3000", true);
    window->findChild<QAbstractButton*>("ASequentialRadioButton")->click();
    window->findChild<kvor::TQIVSpinEdit*>("ASizeSpinEdit")->SetValue(3);
    window->findChild<QAbstractButton*>("AStartButton")->click();
    WaitForRun(tab);
    EXPECT_EQ(messages.Questions, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->AbortFlag());
    EXPECT_TRUE(window->findChild<QLabel*>("ASlopeMeanPanel")->text().isEmpty());
    window.reset();
}
