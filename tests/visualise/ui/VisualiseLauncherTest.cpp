#include "visualise/ui/VisualiseLauncher.h"
#include "../../app/MainWindowFixture.h"
#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "app/KVORPageControl.h"
#include "app/MainContext.h"
#include "app/PowerTab.h"
#include "studies/DetectionPanels.h"
#include "visualise/ui/KVORVisualise.h"
#include "visualise/ui/VisualiseSetup.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

bool WaitUntilEnabled(QWidget* w) {
    return QTest::qWaitFor([w] { return w->isEnabled(); }, 120000);
}

TEST(VisualiseLauncher, SetupIsThePowerDesignWithTheRequiredNsOfItsPanels) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    QApplication::processEvents();
    f.Retype("PActualSlopeNumEdit", "1.5");
    f.Find<QPushButton>("PStartButton")->click();
    ASSERT_TRUE(WaitUntilEnabled(f.Find("PVisualiseButton")));
    kvor::TPowerTab& tab = *f.Window->PowerTab();
    const kvor::VisualiseSetup setup = kvor::VisualiseSetupOf(tab, f.Window->Context());
    EXPECT_EQ(setup.Design.ActualSlope, 1.5);
    EXPECT_EQ(setup.Imported, nullptr);
    const QString ci = f.Find<QLabel>("PCINPanel")->text();
    const QString cr = f.Find<QLabel>("PCRNPanel")->text();
    EXPECT_EQ(setup.SuggestedIntervalsN, kvor::SuggestedN(ci.toStdString().c_str()))
        << ci.toStdString();
    EXPECT_EQ(setup.SuggestedRegionN, kvor::SuggestedN(cr.toStdString().c_str()))
        << cr.toStdString();
    EXPECT_EQ(setup.SuggestedIntervalsN, tab.Results().Intervals.AnswerStore);
    EXPECT_EQ(setup.SuggestedRegionN, tab.Results().Region.AnswerStore);
}

} // namespace

namespace {

TEST(VisualiseLauncher, HelpButtonAndRightClicksReachTheHelpSystem) {
    kvor::ScriptedMessageService messages;
    kvor::MainContext context(messages);
    kvor::TKVORVisualise dialog(kvor::VisualiseSetup{}, context);
    kvor::THelpSystem help;
    kvor::ConnectHelp(dialog, help);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("HelpButton"), Qt::LeftButton);
    ASSERT_NE(help.HelpWindow(), nullptr);
    EXPECT_TRUE(help.HelpWindow()->isVisible());
    help.CloseHelpWindow();

    auto* start = dialog.findChild<QPushButton*>("CIStartButton");
    emit start->customContextMenuRequested(QPoint(2, 2));
    ASSERT_NE(help.Popup(), nullptr);
    EXPECT_EQ(help.Popup()->text(), help.PopupText(kvor::HelpContextOf(start)));
}

} // namespace

namespace {

TEST(VisualiseLauncher, ThePlotReadsThePowerEntriesWhenItDraws) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    QApplication::processEvents();
    f.Retype("PActualSlopeNumEdit", "1.5");
    kvor::TPowerTab& tab = *f.Window->PowerTab();
    const kvor::VisualiseSetup setup = kvor::VisualiseSetupOf(tab, f.Window->Context());
    ASSERT_TRUE(setup.EntriesNow);
    EXPECT_EQ(setup.EntriesNow().ActualSlope, 1.5);
    EXPECT_FALSE(setup.EntriesNow().Imported);
    f.Retype("PActualSlopeNumEdit", "1.25");
    f.Retype("PTargetInterceptNumEdit", "3");
    const kvor::PowerEntries now = setup.EntriesNow();
    EXPECT_EQ(now.ActualSlope, 1.25);
    EXPECT_EQ(now.IdealIntercept, 3);
}

} // namespace
