#include "studies/ui/KVORPowerDetails.h"

#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "graphs/PrintLayout.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/KVORPrnAbort.h"
#include "graphs/ui/OutputTexts.h"
#include "platform/ScriptedMessageService.h"
#include "platform/ScriptedOutputServices.h"
#include "studies/DetailsReport.h"
#include "studies/ui/DetailsDocument.h"
#include "visualise/VisRun.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

using namespace kvor;

namespace {

DetailsSummary Summary(bool intervals, bool region) {
    DetailsSummary s;
    s.Regression = RegressionType::OLS;
    s.DataSource = DataSource::Generate;
    s.IdealSlope = 1;
    s.ActualSlope = 1.02;
    s.VisSets = 250;
    s.VisN = 30;
    s.IntervalsSection = intervals;
    s.RegionSection = region;
    s.Proportional = 30;
    s.Constant = 20;
    s.Both = 10;
    s.RegionNotDetected = 100;
    s.RegionDetected = 150;
    return s;
}

QString PlainOf(const DetailsSummary& s) {
    QString text = QString::fromStdString(ReportPlainText(BuildSummary(s)));
    text.chop(1); // the text control has no newline after its last paragraph
    return text;
}

// The report over scripted services; the progress dialog runs its ticks at once.
struct DetailsFixture {
    explicit DetailsFixture(const DetailsSummary& s = Summary(true, true))
        : Output(Messages, "/tmp/") {
        Output.SetPrinter(&Printer);
        Output.SetClipboard(&Clipboard);
        Output.ShowPrintProgress = [this](QWidget* owner, int& state) {
            kvor::TKVORPrnAbort progress(owner, state);
            ProgressCaption = progress.findChild<QLabel*>("PrnLabel")->text();
            progress.show();
            if (CancelPrinting) {
                progress.CancelButtonClick();
            }
            while (progress.isVisible()) {
                progress.PrnAbortTimerTimer();
            }
        };
        Dialog = std::make_unique<TKVORPowerDetails>(s, '.', Output);
        Dialog->show();
    }
    template <class W = QPushButton> W* Find(const char* name) {
        return Dialog->findChild<W*>(name);
    }
    QTextEdit* Text() { return Find<QTextEdit>("DetailsRichEdit"); }

    ScriptedMessageService Messages;
    ScriptedPrinterService Printer;
    ScriptedClipboardService Clipboard;
    GraphOutputContext Output;
    std::unique_ptr<TKVORPowerDetails> Dialog;
    bool CancelPrinting = false;
    QString ProgressCaption;
};

TEST(TKVORPowerDetails, WindowOfFifteenOrTwentyOneLinesAboveTheOutputGroup) {
    QFont arial("Arial", 11);
    arial.setBold(true);
    QFont courier("Courier New", 11);
    courier.setBold(true);
    const int lineHeight = QFontMetrics(arial).height();
    const int width = QFontMetrics(courier).horizontalAdvance(QString(65, 'A'));
    struct Case {
        bool intervals, region;
        int lines;
    };
    for (const Case c : {Case{true, false, 15}, Case{false, true, 15}, Case{true, true, 21}}) {
        DetailsFixture f(Summary(c.intervals, c.region));
        EXPECT_EQ(f.Dialog->windowTitle(), "Significance Test Details");
        EXPECT_EQ(f.Dialog->WindowLines(), c.lines);
        const QGroupBox* group = f.Find<QGroupBox>("OutputGroupBox");
        EXPECT_EQ(f.Dialog->height(), c.lines * lineHeight + group->height()) << c.lines;
        EXPECT_EQ(f.Dialog->width(), width);
        EXPECT_EQ(f.Text()->height(), c.lines * lineHeight);
        EXPECT_EQ(group->geometry().center().x(), width / 2); // centred
        for (const char* name : {"CloseButton", "HelpButton"}) {
            const QRect button = f.Find(name)->geometry();
            EXPECT_GT(button.left(), group->geometry().right()) << name;
            EXPECT_LE(button.right(), width) << name;
            EXPECT_LE(button.bottom(), f.Dialog->height()) << name;
        }
        EXPECT_EQ(f.Text()->toPlainText(), PlainOf(Summary(c.intervals, c.region)));
    }
}

TEST(TKVORPowerDetails, ParagraphsCarryTheirFontsSpacersAndIndent) {
    DetailsFixture f;
    QFont courierBold("Courier New", 11);
    courierBold.setBold(true);
    const double charWidth = QFontMetricsF(courierBold).horizontalAdvance(QString(65, 'A')) / 65;
    struct Row {
        int block;
        const char* family;
        bool bold;
        int points;
    };
    const Row rows[] = {
        {1, "Arial", true, 11},         // "OLS Regression"
        {3, "Courier New", true, 11},   // Ideal Relationship
        {4, "Courier New", true, 5},    // spacer 5
        {12, "Courier New", true, 2},   // spacer 2 after the column heads
        {13, "Courier New", false, 11}, // counts
        {18, "Arial", true, 5},         // spacer after the region heading
    };
    const QTextDocument* doc = f.Text()->document();
    ASSERT_EQ(doc->blockCount(), 25);
    for (const Row& r : rows) {
        const QTextBlock block = doc->findBlockByNumber(r.block);
        const QFont font = block.charFormat().font();
        EXPECT_EQ(font.family(), r.family) << r.block;
        EXPECT_EQ(font.bold(), r.bold) << r.block;
        EXPECT_EQ(font.pointSize(), r.points) << r.block;
        EXPECT_DOUBLE_EQ(block.blockFormat().textIndent(), charWidth) << r.block;
        EXPECT_EQ(block.blockFormat().leftMargin(), 0) << r.block;
    }
    EXPECT_EQ(doc->findBlockByNumber(13).begin().fragment().charFormat().font().family(),
              "Courier New");
    EXPECT_TRUE(f.Text()->isReadOnly());
    EXPECT_EQ(f.Text()->textCursor().position(), 0);
}

TEST(TKVORPowerDetails, CopyPutsRichAndPlainTextOnTheClipboard) {
    DetailsFixture f;
    QTest::mouseClick(f.Find("CopyButton"), Qt::LeftButton);
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    EXPECT_EQ(f.Clipboard.PlainText, PlainOf(Summary(true, true)));
    EXPECT_TRUE(f.Clipboard.Html.contains("Courier New"));
    EXPECT_TRUE(f.Clipboard.Html.contains("font-weight:700") ||
                f.Clipboard.Html.contains("font-weight:600"));
    EXPECT_TRUE(f.Clipboard.Html.contains("Bias by Joint Confidence Region"));
    EXPECT_TRUE(f.Dialog->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    f.Clipboard.Fails = true;
    f.Clipboard.PlainText.clear();
    f.Dialog->CopyButtonClick();
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages().front().Kind, MessageKind::Error);
    EXPECT_EQ(f.Messages.Messages().front().Text,
              "An error occurred while copying the summary to the clipboard.  Contact the "
              "program author if the problem persists.");
    EXPECT_EQ(f.Messages.Beeps(), 1);
    EXPECT_TRUE(f.Dialog->isEnabled());
    EXPECT_EQ(f.Text()->toPlainText(), PlainOf(Summary(true, true)));
}

TEST(TKVORPowerDetails, PrintCasesAndTheirMessages) {
    const QString printError = "An error occurred while constructing the printer output.  "
                               "Contact the program author if the problem persists.";
    struct Case {
        const char* name;
        bool resolutionReadable;
        bool currentReadable;
        bool beginFails;
        bool endFails;
        bool cancel;
        QString message; // empty: none
        bool printed;
    };
    const Case cases[] = {
        {"printed", true, true, false, false, false, "", true},
        {"no printer", false, true, false, false, false, OutputTexts::NoPrinter, false},
        {"cannot start a document", true, true, true, false, false, OutputTexts::PrinterAccessError,
         false},
        {"default refuses its trial", true, false, true, false, false,
         OutputTexts::PrinterAccessError, false},
        {"fails while printing", true, true, false, true, false, printError, false},
        {"cancelled", true, true, false, false, true, "", false},
    };
    for (const Case& c : cases) {
        DetailsFixture f;
        f.Printer.ResolutionReadable = c.resolutionReadable;
        f.Printer.CurrentReadable = c.currentReadable;
        f.Printer.BeginFails = c.beginFails;
        f.Printer.EndFails = c.endFails;
        f.CancelPrinting = c.cancel;
        QTest::mouseClick(f.Find("PrintButton"), Qt::LeftButton);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(f.Messages.Messages().isEmpty()) << c.name;
        } else {
            ASSERT_EQ(f.Messages.Messages().size(), 1) << c.name;
            EXPECT_EQ(f.Messages.Messages().front().Text, c.message) << c.name;
            EXPECT_EQ(f.Messages.Beeps(), 1) << c.name;
        }
        const bool ended = !f.Printer.Jobs.isEmpty() && f.Printer.Jobs.back().Ended;
        EXPECT_EQ(ended, c.printed) << c.name;
        if (c.printed) {
            EXPECT_EQ(f.ProgressCaption, "Printing Confidence Interval and Region details");
            EXPECT_EQ(f.Printer.Jobs.back().Title, "KVOR Confidence Interval and Region details");
            EXPECT_GT(f.Printer.Jobs.back().Page.size(), 0u);
        }
        EXPECT_TRUE(f.Dialog->isEnabled()) << c.name;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.name;
        EXPECT_EQ(f.Text()->toPlainText(), PlainOf(Summary(true, true))) << c.name;
    }
}

TEST(TKVORPowerDetails, TheTextNeverKeepsTheFocus) {
    DetailsFixture f;
    f.Dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Dialog.get()));
    ASSERT_NE(f.Text()->focusPolicy(), Qt::NoFocus); // it could take the focus by itself
    for (const char* name :
         {"CopyButton", "PrintButton", "PSetupButton", "CloseButton", "HelpButton"}) {
        QPushButton* button = f.Find(name);
        button->setFocus();
        ASSERT_TRUE(button->hasFocus()) << name;
        QTest::mouseClick(f.Text()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        f.Text()->setFocus();
        EXPECT_TRUE(button->hasFocus()) << name;
    }
}

TEST(TKVORPowerDetails, EveryControlHasItsPopupAndTheHelpButtonItsTopic) {
    DetailsFixture f;
    THelpSystem help;
    for (const char* name : {"DetailsRichEdit", "CopyButton", "PrintButton", "PSetupButton",
                             "CloseButton", "HelpButton"}) {
        const QWidget* control = f.Dialog->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_GT(help.PopupText(HelpContextOf(control)).size(), 40) << name;
    }
    int topic = 0;
    QObject::connect(f.Dialog.get(), &TKVORPowerDetails::HelpRequested,
                     [&topic](int t) { topic = t; });
    QTest::mouseClick(f.Find("HelpButton"), Qt::LeftButton);
    EXPECT_EQ(topic, 1260);
    EXPECT_GT(THelpSystem::TopicHtml(1260).size(), 300);
}

TEST(ShowPowerDetails, ShowsTheSelectedRunAndLeavesItAsItWas) {
    auto run = std::make_unique<VisRun>();
    run->VisSets = 100;
    run->VisN = 12;
    run->WithIntervals = true;
    run->WithRegions = true;
    run->Counts.Bias = {70, 10, 15, 5};
    run->Counts.RegionNotDetected = 40;
    run->Counts.RegionDetected = 60;
    const VisCounts before = run->Counts;
    StudyDesign design;
    design.DataSource = DataSource::Import;
    ScriptedMessageService messages;
    GraphOutputContext output(messages, "/tmp/");
    struct Seen {
        QString text;
        int lines = 0;
    };
    for (const int selector : {1, 2}) {
        run->WithIntervals = selector == 1; // the region run without its intervals
        Seen seen;
        QTimer::singleShot(0, [&seen] {
            auto* dialog = qobject_cast<TKVORPowerDetails*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            seen.text = dialog->findChild<QTextEdit*>("DetailsRichEdit")->toPlainText();
            seen.lines = dialog->WindowLines();
            QTest::mouseClick(dialog->findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
        });
        ShowPowerDetails(nullptr, *run, selector, design, '.', output);
        EXPECT_TRUE(seen.text.contains("Actual Relationship: [Slope, Intercept] = [User defined]"));
        EXPECT_TRUE(seen.text.contains("Simulation: 100 sets of N = 12"));
        EXPECT_EQ(seen.text.contains("Bias by Confidence Intervals"), selector == 1) << selector;
        EXPECT_TRUE(seen.text.contains("Bias by Joint Confidence Region")) << selector;
        EXPECT_EQ(seen.lines, selector == 1 ? 21 : 15);
        EXPECT_EQ(run->Counts.Bias, before.Bias);
        EXPECT_EQ(run->Counts.RegionDetected, before.RegionDetected);
        EXPECT_EQ(run->VisSets, 100);
    }
}

} // namespace

namespace {

// The rightmost column that holds a dark pixel; -1 when there is none.
int RightmostInk(const QImage& image) {
    for (int x = image.width() - 1; x >= 0; --x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                return x;
            }
        }
    }
    return -1;
}

TEST(DrawReportPage, TheTextKeepsItsPointSizeOnAFinePrinter) {
    // The widest line has 60 characters of Courier New 11 bold (0.6 em each) after an indent
    // of one: about 61 x 0.6 x 11 / 72 inch, 5.6 inches, 3355 pixels at 600 per inch.
    DetailsSummary s = Summary(true, false);
    QTextDocument document;
    FillReportDocument(document, BuildSummary(s));
    QImage page(4960, 3000, QImage::Format_RGB32);
    page.fill(Qt::white);
    const int dotsPerMeter = qRound(600 / 0.0254);
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&page);
        DrawReportPage(document, painter, PrinterMetrics{4960, 0, 7016, 0, 600, 600});
    }
    const int right = RightmostInk(page);
    EXPECT_GT(right, 3355 * 9 / 10);
    EXPECT_LT(right, 3355 * 11 / 10);
}

} // namespace
