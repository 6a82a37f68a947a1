#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "app/MainContext.h"
#include "app/QIVSpinEdit.h"
#include "platform/ScriptedMessageService.h"
#include "visualise/VisRun.h"
#include "visualise/ui/KVORVisualise.h"
#include "visualise/ui/VisualiseSetup.h"
#include "visualise/ui/VisualiseTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace kvor;

namespace {

VisualiseSetup TestSetup(EstimationMode mode = EstimationMode::Automatic) {
    VisualiseSetup s;
    s.Design.EstimationMode = mode;
    s.Design.ActualSlope = 1.05;
    s.Design.N = 25;
    s.SuggestedIntervalsN = 40;
    s.SuggestedRegionN = 30;
    return s;
}

// A Deming design whose runs at N = 5000 last long enough to be interrupted.
VisualiseSetup SlowSetup() {
    VisualiseSetup s = TestSetup();
    s.Design.Regression = RegressionType::Deming;
    s.Design.XVariance = VarianceFunction{2, 0, 0, 0.05, 0, 2};
    s.Design.YVariance = VarianceFunction{2, 0, 0, 0.05, 0, 2};
    return s;
}

struct DialogFixture {
    explicit DialogFixture(VisualiseSetup setup = TestSetup()) : Context(Messages) {
        Dialog = std::make_unique<TKVORVisualise>(setup, Context);
        Dialog->show();
        QApplication::processEvents();
    }

    template <typename T = QWidget> T* Find(const QString& name) const {
        T* found = Dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    bool Enabled(const QString& name) const { return Find(name)->isEnabled(); }
    QString Text(const QString& name) const { return Find<QLabel>(name)->text(); }

    void Click(const QString& name) { QTest::mouseClick(Find(name), Qt::LeftButton); }
    // Starts the run of the group and waits until it has ended.
    void RunToEnd(const QString& prefix) {
        QSignalSpy ended(Dialog.get(), &TKVORVisualise::RunEnded);
        Click(prefix + "StartButton");
        ASSERT_TRUE(ended.count() > 0 || ended.wait(60000));
        EXPECT_EQ(ended.count(), 1);
    }
    void SetSamples(const QString& item) {
        auto* box = Find<QComboBox>("SamplesComboBox");
        box->setCurrentIndex(box->findText(item));
    }

    ScriptedMessageService Messages;
    MainContext Context;
    std::unique_ptr<TKVORVisualise> Dialog;
};

void ExpectEnabled(const DialogFixture& f, const QStringList& on, const QStringList& off) {
    for (const QString& name : on) {
        EXPECT_TRUE(f.Enabled(name)) << name.toStdString();
    }
    for (const QString& name : off) {
        EXPECT_FALSE(f.Enabled(name)) << name.toStdString();
    }
}

} // namespace

TEST(VisualiseDialog, OpensWithTheSuggestedNsAndExpectCaptions) {
    DialogFixture f;
    EXPECT_EQ(f.Find<QComboBox>("SamplesComboBox")->currentText(), "250");
    EXPECT_EQ(f.Find<TQIVSpinEdit>("CISpinEdit")->Value(), 40);
    EXPECT_EQ(f.Find<TQIVSpinEdit>("CRSpinEdit")->Value(), 30);
    auto* ci = f.Find<QGroupBox>("CIGroupBox");
    EXPECT_EQ(ci->title(), " Bias Detection by Confidence Intervals (expect ~90% success) ");
    EXPECT_EQ(f.Find<QGroupBox>("CRGroupBox")->title(),
              " Bias Detection by Confidence Region (expect ~90% success) ");
    // Away from the suggestion the caption promises nothing; back at it, it does again.
    f.Find<TQIVSpinEdit>("CISpinEdit")->SetValue(41);
    EXPECT_EQ(ci->title(), " Bias Detection by Confidence Intervals ");
    f.Find<TQIVSpinEdit>("CISpinEdit")->SetValue(40);
    EXPECT_EQ(ci->title(), " Bias Detection by Confidence Intervals (expect ~90% success) ");
    ExpectEnabled(f, {"CIStartButton", "CRStartButton", "CISpinEdit", "SamplesComboBox"},
                  {"CIAbortButton", "CIPlotButton", "CIClearButton", "CRPlotButton"});
}

TEST(VisualiseDialog, SuggestionOfAnUnansweredSearch) {
    EXPECT_EQ(SuggestedN("> 5000"), 5000);
    EXPECT_EQ(SuggestedN("  123"), 123);
    VisualiseSetup setup = TestSetup();
    setup.SuggestedIntervalsN = SuggestedN("> 5000");
    DialogFixture f(setup);
    EXPECT_EQ(f.Find<TQIVSpinEdit>("CISpinEdit")->Value(), 5000);
    EXPECT_TRUE(f.Find<QGroupBox>("CIGroupBox")->title().contains("expect ~90%"));
}

TEST(VisualiseDialog, SpecifiedNShowsOnlyTheIntervalsGroup) {
    DialogFixture f(TestSetup(EstimationMode::SpecifiedN));
    EXPECT_FALSE(f.Find("CRGroupBox")->isVisible());
    EXPECT_FALSE(f.Find("CRGroupBox")->isEnabled());
    EXPECT_EQ(f.Find<QGroupBox>("CIGroupBox")->title(), " Bias Detection ");
    EXPECT_EQ(f.Text("CINLabel"), "Specified &N:");
    EXPECT_EQ(f.Find<TQIVSpinEdit>("CISpinEdit")->Value(), 25);
    auto* also = f.Find<QCheckBox>("CRCheckBox");
    EXPECT_FALSE(also->isVisible());
    EXPECT_TRUE(also->isChecked());

    f.SetSamples("10");
    f.RunToEnd("CI");
    EXPECT_TRUE(f.Dialog->ResultsAvailable(VisRunKind::Intervals));
    EXPECT_TRUE(f.Dialog->Run(VisRunKind::Intervals).WithRegions);
    EXPECT_TRUE(f.Text("SpecifiedLabel").startsWith("Success Rate;   Confidence Intervals:"));
    EXPECT_TRUE(f.Text("CIDetectionLabel1").isEmpty());
}

TEST(VisualiseDialog, CompletedRunEnablesItsPlotAndLocksTheSamples) {
    DialogFixture f;
    f.SetSamples("10");
    f.RunToEnd("CI");
    ASSERT_TRUE(f.Dialog->ResultsAvailable(VisRunKind::Intervals));
    ExpectEnabled(f,
                  {"CIStartButton", "CIBeepCheckBox", "CIPlotButton", "CIClearButton", "HelpButton",
                   "CRStartButton", "CRSpinEdit"},
                  {"CIAbortButton", "CRCheckBox", "CISpinEdit", "SamplesComboBox", "SamplesLabel",
                   "CRPlotButton", "CRClearButton"});
    EXPECT_TRUE(f.Find("CIPlotButton")->hasFocus());
    EXPECT_EQ(f.Text("CIProgLabel2"), "10");
    EXPECT_TRUE(f.Text("CIDetectionLabel1").startsWith("Detection Success:"));
    EXPECT_TRUE(f.Text("CIDetectionLabel1").endsWith("%"));
    EXPECT_TRUE(f.Text("CRDetectionLabel1").startsWith("{Detection by Confidence Region:"));
    EXPECT_EQ(f.Dialog->Run(VisRunKind::Intervals).SetsDone, 10);
    EXPECT_EQ(f.Messages.Beeps(), 0);
}

TEST(VisualiseDialog, ClearingOneRunKeepsTheSamplesLockedWhileTheOtherHoldsResults) {
    DialogFixture f;
    f.SetSamples("10");
    f.RunToEnd("CI");
    f.RunToEnd("CR");
    ASSERT_TRUE(f.Dialog->ResultsAvailable(VisRunKind::Intervals));
    ASSERT_TRUE(f.Dialog->ResultsAvailable(VisRunKind::Region));
    EXPECT_TRUE(f.Text("CIDetectionLabel2").startsWith("Detection Success:"));
    f.Click("CIClearButton");
    EXPECT_FALSE(f.Dialog->ResultsAvailable(VisRunKind::Intervals));
    EXPECT_FALSE(f.Enabled("SamplesComboBox"));
    EXPECT_TRUE(f.Text("CIDetectionLabel1").isEmpty());
    ExpectEnabled(f, {"CIStartButton", "CISpinEdit", "CRCheckBox", "CRPlotButton"},
                  {"CIPlotButton", "CIClearButton", "CIAbortButton"});
    f.Click("CRClearButton");
    EXPECT_TRUE(f.Enabled("SamplesComboBox"));
    EXPECT_TRUE(f.Enabled("SamplesLabel"));
}

TEST(VisualiseDialog, RunningDisablesTheOtherGroupAndAbortLeavesNoResults) {
    VisualiseSetup setup = SlowSetup();
    setup.SuggestedIntervalsN = 5000;
    DialogFixture f(setup);
    f.SetSamples("1000");
    QSignalSpy ended(f.Dialog.get(), &TKVORVisualise::RunEnded);
    f.Click("CIStartButton");
    ASSERT_TRUE(f.Dialog->RunInProgress());
    ExpectEnabled(f, {"CIAbortButton", "CIBeepCheckBox"},
                  {"CIStartButton", "CISpinEdit", "CRCheckBox", "CIPlotButton", "CIClearButton",
                   "HelpButton", "SamplesComboBox", "CRStartButton", "CRSpinEdit", "CICheckBox"});
    EXPECT_TRUE(f.Find("CIAbortButton")->hasFocus());
    f.Click("CIAbortButton");
    EXPECT_TRUE(f.Enabled("SamplesComboBox"));
    ASSERT_TRUE(ended.count() > 0 || ended.wait(60000));
    EXPECT_FALSE(f.Dialog->RunInProgress());
    EXPECT_FALSE(f.Dialog->ResultsAvailable(VisRunKind::Intervals));
    ExpectEnabled(f,
                  {"CIStartButton", "CISpinEdit", "CRCheckBox", "CIBeepCheckBox", "CRStartButton"},
                  {"CIAbortButton", "CIPlotButton", "CIClearButton"});
    EXPECT_TRUE(f.Find("CIStartButton")->hasFocus());
    EXPECT_TRUE(f.Text("CIProgLabel2").isEmpty());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
}

TEST(VisualiseDialog, CloseDuringARunStopsIt) {
    VisualiseSetup setup = SlowSetup();
    setup.SuggestedRegionN = 5000;
    DialogFixture f(setup);
    f.SetSamples("1000");
    f.Click("CRStartButton");
    ASSERT_TRUE(f.Dialog->RunInProgress());
    f.Click("CloseButton");
    EXPECT_FALSE(f.Dialog->RunInProgress());
    EXPECT_FALSE(f.Dialog->isVisible());
    EXPECT_FALSE(f.Dialog->ResultsAvailable(VisRunKind::Region));
}

TEST(VisualiseDialog, UnplottableRunShowsTheMessageAndLeavesNoResults) {
    VisualiseSetup setup = TestSetup();
    setup.Design.ConstantVariance = 1e-6;
    setup.Design.XMin = 10;
    setup.Design.XMax = 100000;
    setup.Design.ActualSlope = 1;
    setup.SuggestedIntervalsN = 10;
    DialogFixture f(setup);
    f.SetSamples("10");
    f.RunToEnd("CI");
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages().front().Kind, MessageKind::Information);
    EXPECT_TRUE(f.Messages.Messages().front().Text.startsWith(
        "The Slope, Intercept values obtained in this simulation run are unsuitable"));
    EXPECT_EQ(f.Messages.Beeps(), 1);
    EXPECT_FALSE(f.Dialog->ResultsAvailable(VisRunKind::Intervals));
    EXPECT_FALSE(f.Enabled("CIPlotButton"));
    EXPECT_TRUE(f.Text("CIDetectionLabel1").isEmpty());
}

TEST(VisualiseDialog, BeepOnCompletion) {
    DialogFixture f;
    f.SetSamples("10");
    QTest::mouseClick(f.Find("CRBeepCheckBox"), Qt::LeftButton, {},
                      QPoint(6, f.Find("CRBeepCheckBox")->height() / 2));
    ASSERT_TRUE(f.Find<QCheckBox>("CRBeepCheckBox")->isChecked());
    f.RunToEnd("CR");
    EXPECT_EQ(f.Messages.Beeps(), 1);
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
}

TEST(VisualiseDialog, EveryControlWithAHelpIdHasAPopupAndHelpAsksForItsTopic) {
    DialogFixture f;
    const THelpSystem help;
    int withHelp = 0;
    for (const QWidget* control : f.Dialog->findChildren<QWidget*>()) {
        const int id = HelpContextOf(control);
        if (id == 0) {
            continue;
        }
        ++withHelp;
        EXPECT_GT(help.PopupText(id).size(), 40) << control->objectName().toStdString();
    }
    EXPECT_GE(withHelp, 17);
    EXPECT_TRUE(THelpSystem::TopicHtml(460).contains("<title>"));
    QSignalSpy asked(f.Dialog.get(), &TKVORVisualise::HelpRequested);
    f.Click("HelpButton");
    ASSERT_EQ(asked.count(), 1);
    EXPECT_EQ(asked.front().front().toInt(), 460);
}
