#include "app/MainContext.h"
#include "platform/ScriptedMessageService.h"
#include "visualise/VisRun.h"
#include "visualise/ui/KVORVisualise.h"
#include "visualise/ui/KVORVisualisePlot.h"
#include "visualise/ui/VisualiseSetup.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace kvor;

TEST(TKVORVisualise, PlotButtonsOpenThePlotOfTheirRun) {
    VisualiseSetup setup;
    setup.Design.EstimationMode = EstimationMode::Automatic;
    setup.Design.ActualSlope = 1.05;
    setup.Design.Regression = RegressionType::WLS;
    setup.SuggestedIntervalsN = 20;
    setup.SuggestedRegionN = 20;
    ScriptedMessageService messages;
    MainContext context(messages);
    TKVORVisualise dialog(setup, context);
    dialog.show();
    auto* samples = dialog.findChild<QComboBox*>("SamplesComboBox");
    samples->setCurrentIndex(samples->findText("10"));
    for (const char* start : {"CIStartButton", "CRStartButton"}) {
        QSignalSpy ended(&dialog, &TKVORVisualise::RunEnded);
        QTest::mouseClick(dialog.findChild<QPushButton*>(start), Qt::LeftButton);
        ASSERT_TRUE(ended.count() > 0 || ended.wait(60000)) << start;
    }
    struct Opened {
        int Selector;
        QString Caption;
        bool OwnerEnabled;
        PlotMode Mode;
    };
    std::vector<Opened> opened;
    dialog.PlotOpening = [&](TKVORVisualisePlot& plot) {
        opened.push_back(
            {plot.RunSelector(), plot.windowTitle(), dialog.isEnabled(), plot.CurrentPlotMode()});
        QTimer::singleShot(0, &plot, &QDialog::reject);
    };
    QTest::mouseClick(dialog.findChild<QPushButton*>("CIPlotButton"), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>("CRPlotButton"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2U);
    EXPECT_EQ(opened[0].Selector, 1);
    EXPECT_EQ(opened[0].Mode, PlotMode::Intervals);
    EXPECT_EQ(opened[1].Selector, 2);
    EXPECT_EQ(opened[1].Mode, PlotMode::Regions);
    EXPECT_EQ(opened[0].Caption, "  WLS Regression");
    EXPECT_TRUE(opened[0].OwnerEnabled);
    EXPECT_TRUE(dialog.isEnabled());
    EXPECT_TRUE(messages.Messages().isEmpty());
    // the plot left the stored run as it was
    EXPECT_TRUE(dialog.ResultsAvailable(VisRunKind::Intervals));
    EXPECT_EQ(dialog.Run(VisRunKind::Intervals).SetsDone, 10);
}

TEST(TKVORVisualise, DetailsOfThePlotReportItsRunWithThePowerEntriesOfNow) {
    VisualiseSetup setup;
    setup.Design.EstimationMode = EstimationMode::Automatic;
    setup.Design.ActualSlope = 1.05;
    setup.SuggestedIntervalsN = 20;
    setup.SuggestedRegionN = 20;
    // The tab's entries were edited after the Power run.
    setup.EntriesNow = [] { return PowerEntries{1.2, 0.5, 1.05, 0, false}; };
    ScriptedMessageService messages;
    MainContext context(messages);
    TKVORVisualise dialog(setup, context);
    dialog.show();
    auto* samples = dialog.findChild<QComboBox*>("SamplesComboBox");
    samples->setCurrentIndex(samples->findText("10"));
    QSignalSpy ended(&dialog, &TKVORVisualise::RunEnded);
    QTest::mouseClick(dialog.findChild<QPushButton*>("CRStartButton"), Qt::LeftButton);
    ASSERT_TRUE(ended.count() > 0 || ended.wait(60000));
    QString report;
    dialog.PlotOpening = [&](TKVORVisualisePlot& plot) {
        QTimer::singleShot(0, &plot, [&plot, &report] {
            QTest::mouseClick(plot.findChild<QPushButton*>("PartitionButton"), Qt::LeftButton);
            QTimer::singleShot(0, &plot, [&report] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    if (auto* text = w->findChild<QTextEdit*>("DetailsRichEdit");
                        text != nullptr && w->isVisible()) {
                        report = text->toPlainText();
                        w->close();
                    }
                }
            });
            QTest::mouseClick(plot.findChild<QPushButton*>("DetailsButton"), Qt::LeftButton);
            plot.reject();
        });
    };
    QTest::mouseClick(dialog.findChild<QPushButton*>("CRPlotButton"), Qt::LeftButton);
    const VisCounts& counts = dialog.Run(VisRunKind::Region).Counts;
    EXPECT_TRUE(report.contains("Ideal Relationship: [Slope, Intercept] = [1.2, 0.5]"))
        << report.toStdString();
    EXPECT_TRUE(report.contains("Simulation: 10 sets of N = 20")) << report.toStdString();
    EXPECT_TRUE(report.contains("Bias by Joint Confidence Region")) << report.toStdString();
    EXPECT_TRUE(report.contains(
        QString("    %1        %2").arg(counts.RegionNotDetected, 4).arg(counts.RegionDetected, 4)))
        << report.toStdString();
    EXPECT_TRUE(messages.Messages().isEmpty());
}

} // namespace
