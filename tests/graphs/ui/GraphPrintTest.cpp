#include "SampleLinesRun.h"

#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/GraphOutputGroup.h"
#include "graphs/ui/KVORPrnAbort.h"
#include "graphs/ui/OutputTexts.h"
#include "platform/QtOutputServices.h"
#include "platform/ScriptedMessageService.h"
#include "platform/ScriptedOutputServices.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using kvor::ScriptedPrinterService;

TEST(PrintGraph, UnequalResolutionsMapOneUnitToAHorizontalPixel) {
    SampleLinesRun run;
    auto graph = run.Graph();
    ScriptedPrinterService printer;
    printer.LogPixelsX = 600;
    printer.LogPixelsY = 1200;
    printer.Page = {4960, 100, 14032, 200, 600, 1200};
    int state = 5;
    const kvor::GraphPrintLayout layout =
        kvor::PrintGraph(*graph, printer, "KVOR Regression Plot", run.Options, state);
    EXPECT_EQ(state, 5);
    EXPECT_EQ(layout.FontScale, 50);
    EXPECT_EQ(layout.GraphWidth, 4200);
    ASSERT_EQ(printer.Jobs.size(), 1);
    const ScriptedPrinterService::Job& job = printer.Jobs.front();
    EXPECT_EQ(job.Title, "KVOR Regression Plot");
    EXPECT_TRUE(job.Ended);
    EXPECT_EQ(job.Viewport, QRect(0, 0, 4760, 13632));
    EXPECT_EQ(job.Window, QRect(0, 0, 4760, 13632 * 600 / 1200));
    EXPECT_GT(job.Page.size(), 0u);
    EXPECT_FALSE(graph->Mode.OnPaper); // restored afterwards
}

TEST(PrintGraph, AFailingPrinterAbortsTheJob) {
    SampleLinesRun run;
    auto graph = run.Graph();
    ScriptedPrinterService printer;
    printer.BeginFails = true;
    int state = 5;
    kvor::PrintGraph(*graph, printer, "KVOR Regression Plot", run.Options, state);
    EXPECT_EQ(state, -2);
    EXPECT_TRUE(printer.Jobs.isEmpty());

    printer.BeginFails = false;
    printer.EndFails = true;
    state = 5;
    kvor::PrintGraph(*graph, printer, "KVOR Regression Plot", run.Options, state);
    EXPECT_EQ(state, -2);
    ASSERT_EQ(printer.Jobs.size(), 1);
    EXPECT_FALSE(printer.Jobs.front().Ended);
}

TEST(PrintGraph, ThroughARealPrinterToAPdfFile) {
    SampleLinesRun run;
    auto graph = run.Graph();
    const QTemporaryDir dir;
    const QString name = dir.filePath("graph.pdf");
    kvor::QtPrinterService printer;
    printer.Printer().setOutputFormat(QPrinter::PdfFormat);
    printer.Printer().setOutputFileName(name);
    printer.Printer().setResolution(300);
    printer.Printer().setPageSize(QPageSize(QPageSize::A4));
    int lx = 0;
    int ly = 0;
    ASSERT_TRUE(printer.Resolution(lx, ly));
    EXPECT_EQ(lx, 300);
    int state = 5;
    const kvor::GraphPrintLayout layout =
        kvor::PrintGraph(*graph, printer, "KVOR Regression Plot", run.Options, state);
    EXPECT_EQ(state, 5);
    EXPECT_EQ(layout.GraphWidth, 2100);
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QRegularExpression mediaBox(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])");
    const QRegularExpressionMatch match = mediaBox.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(match.hasMatch());
    EXPECT_NEAR(match.captured(1).toDouble(), 595.3, 1); // A4 in points
    EXPECT_NEAR(match.captured(2).toDouble(), 841.9, 1);
}

TEST(TKVORPrnAbort, ClosesAtTheTwentyFifthTickOrAfterCancel) {
    int state = 5;
    kvor::TKVORPrnAbort dialog(nullptr, state);
    EXPECT_EQ(dialog.windowTitle(), " Print");
    EXPECT_EQ(dialog.findChild<QLabel*>("PrnLabel")->text(),
              "Printing graph of simulation results");
    dialog.show();
    for (int i = 0; i < 24; ++i) {
        dialog.PrnAbortTimerTimer();
    }
    EXPECT_TRUE(dialog.isVisible());
    dialog.PrnAbortTimerTimer();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(state, 5);

    int cancelled = 1;
    kvor::TKVORPrnAbort second(nullptr, cancelled);
    EXPECT_EQ(second.findChild<QLabel*>("PrnLabel")->text(), "Printing KVOR Accuracy dialog");
    second.show();
    QTest::mouseClick(second.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    EXPECT_EQ(cancelled, -1);
    EXPECT_TRUE(second.isVisible()); // until the next tick
    second.PrnAbortTimerTimer();
    EXPECT_FALSE(second.isVisible());
}

// A sampling-lines graph with its output controls over scripted services.
struct OutputFixture {
    OutputFixture() : Output(Messages, "/tmp/") {
        Output.SetPrinter(&Printer);
        Output.SetFiles(&Files);
        Output.SetClipboard(&Clipboard);
        Output.ShowPrintProgress = [this](QWidget* owner, int& state) {
            ++ProgressShown;
            kvor::TKVORPrnAbort dialog(owner, state);
            dialog.show();
            if (CancelPrinting) {
                QTest::mouseClick(dialog.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
            }
            while (dialog.isVisible()) {
                dialog.PrnAbortTimerTimer();
            }
            Ticks = dialog.Ticks();
        };
        Group = std::make_unique<kvor::TGraphOutputGroup>(
            *Graph, Output, kvor::GraphOutputSpec{1, 2, 5, "KVOR Regression Plot"}, &Dialog);
        Dialog.show();
    }
    QPushButton* Button(const char* name) { return Group->findChild<QPushButton*>(name); }

    SampleLinesRun Run;
    std::unique_ptr<kvor::TSampleLinesGraph> Graph = Run.Graph();
    kvor::ScriptedMessageService Messages;
    ScriptedPrinterService Printer;
    kvor::ScriptedFileDialogService Files;
    kvor::ScriptedClipboardService Clipboard;
    kvor::GraphOutputContext Output;
    QDialog Dialog;
    std::unique_ptr<kvor::TGraphOutputGroup> Group;
    bool CancelPrinting = false;
    int ProgressShown = 0;
    int Ticks = 0;
};

TEST(GraphPrintButton, PrinterCasesAndTheirMessages) {
    struct Case {
        const char* name;
        bool resolutionReadable;
        int dpi;
        bool currentReadable;
        bool defaultReadable;
        bool beginFails;
        bool endFails;
        bool cancel;
        const QString* message; // null: none
        int jobsEnded;
        bool progressShown;
    };
    const Case cases[] = {
        {"printed", true, 600, true, true, false, false, false, nullptr, 1, true},
        {"no printer", false, 600, true, true, false, false, false, &kvor::OutputTexts::NoPrinter,
         0, false},
        {"50 dpi", true, 50, true, true, false, false, false, &kvor::OutputTexts::NoPrinter, 0,
         false},
        {"nothing usable", true, 600, false, false, false, false, false,
         &kvor::OutputTexts::NoPrinter, 0, false},
        {"default taken", true, 600, false, true, false, false, false, nullptr, 1, true},
        {"default refuses", true, 600, false, true, true, false, false,
         &kvor::OutputTexts::PrinterAccessError, 0, false},
        {"cancelled", true, 600, true, true, false, false, true, nullptr, 0, true},
        {"fails mid-job", true, 600, true, true, false, true, false,
         &kvor::OutputTexts::GraphPrintError, 0, true},
    };
    for (const Case& c : cases) {
        OutputFixture f;
        f.Printer.ResolutionReadable = c.resolutionReadable;
        f.Printer.LogPixelsX = f.Printer.LogPixelsY = c.dpi;
        f.Printer.CurrentReadable = c.currentReadable;
        f.Printer.DefaultReadable = c.defaultReadable;
        f.Printer.BeginFails = c.beginFails;
        f.Printer.EndFails = c.endFails;
        f.CancelPrinting = c.cancel;
        QTest::mouseClick(f.Button("PrintButton"), Qt::LeftButton);
        if (c.message == nullptr) {
            EXPECT_TRUE(f.Messages.Messages().isEmpty()) << c.name;
            EXPECT_EQ(f.Messages.Beeps(), 0) << c.name;
        } else {
            ASSERT_EQ(f.Messages.Messages().size(), 1) << c.name;
            EXPECT_EQ(f.Messages.Messages().front().Text, *c.message) << c.name;
            EXPECT_EQ(f.Messages.Beeps(), 1) << c.name;
        }
        int ended = 0;
        for (const auto& job : f.Printer.Jobs) {
            ended += job.Ended && job.Title == "KVOR Regression Plot" ? 1 : 0;
        }
        EXPECT_EQ(ended, c.jobsEnded) << c.name;
        EXPECT_EQ(f.ProgressShown > 0, c.progressShown) << c.name;
        EXPECT_TRUE(f.Dialog.isEnabled()) << c.name;
        if (c.jobsEnded == 1) {
            EXPECT_EQ(f.Ticks, 25) << c.name; // closed by itself, then printed
        }
    }
}

TEST(GraphPrintButton, NoPrinterLeavesPrinterAvailableFalse) {
    OutputFixture f;
    f.Output.PrinterAvailable = true;
    f.Printer.ResolutionReadable = false;
    QTest::mouseClick(f.Button("PrintButton"), Qt::LeftButton);
    EXPECT_FALSE(f.Output.PrinterAvailable);
}

TEST(GraphPrinterSetupButton, NothingWithoutAPrinterAndAWarningWhenTheDialogFails) {
    OutputFixture f;
    f.Printer.ResolutionReadable = false;
    QTest::mouseClick(f.Button("PSetupButton"), Qt::LeftButton);
    EXPECT_EQ(f.Printer.SetupShown, 0);
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    EXPECT_EQ(f.Messages.Beeps(), 0);

    f.Printer.ResolutionReadable = true;
    QTest::mouseClick(f.Button("PSetupButton"), Qt::LeftButton);
    EXPECT_EQ(f.Printer.SetupShown, 1);
    EXPECT_TRUE(f.Output.PrinterAvailable);
    EXPECT_TRUE(f.Messages.Messages().isEmpty());

    f.Printer.SetupShows = false;
    QTest::mouseClick(f.Button("PSetupButton"), Qt::LeftButton);
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages().front().Kind, kvor::MessageKind::Warning);
    EXPECT_EQ(f.Messages.Messages().front().Text, kvor::OutputTexts::NoPrinter);
    EXPECT_FALSE(f.Output.PrinterAvailable);
}

TEST(GraphCopyButton, BitmapOrMetafileByTheRadioButtonsAndTheFailureMessages) {
    OutputFixture f;
    QTest::mouseClick(f.Button("CopyButton"), Qt::LeftButton);
    EXPECT_EQ(f.Clipboard.Bitmap.size(), QSize(1920, 1440));
    f.Group->findChild<QRadioButton*>("EMFRadioButton")->setChecked(true);
    QTest::mouseClick(f.Button("CopyButton"), Qt::LeftButton);
    EXPECT_FALSE(f.Clipboard.Metafile.isEmpty());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());

    f.Clipboard.Fails = true;
    QTest::mouseClick(f.Button("CopyButton"), Qt::LeftButton);
    f.Group->findChild<QRadioButton*>("BMPRadioButton")->setChecked(true);
    QTest::mouseClick(f.Button("CopyButton"), Qt::LeftButton);
    ASSERT_EQ(f.Messages.Messages().size(), 2);
    EXPECT_EQ(f.Messages.Messages()[0].Text, kvor::OutputTexts::MetafileCopyError);
    EXPECT_EQ(f.Messages.Messages()[1].Text, kvor::OutputTexts::BitmapCopyError);
    EXPECT_EQ(f.Messages.Beeps(), 2);
}

} // namespace
