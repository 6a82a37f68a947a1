#include "MainWindowFixture.h"
#include "app/AccuracyTab.h"
#include "app/KVORPageControl.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/OutputTexts.h"
#include "platform/ScriptedOutputServices.h"

#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using kvor::ScriptedPrinterService;

// The window with a scripted printer whose progress dialog closes by itself (or is cancelled).
struct PrintFixture : MainWindowFixture {
    PrintFixture() {
        kvor::GraphOutputContext& output = Window->Context().Output();
        output.SetPrinter(&Printer);
        output.ShowPrintProgress = [this](QWidget*, int& state) {
            ++ProgressShown;
            if (Cancel) {
                state = -1;
            }
        };
    }
    void Click(const char* name) {
        Window->pageControl()->setCurrentIndex(name[0] == 'P' ? 1 : 0);
        QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton);
    }
    ScriptedPrinterService Printer;
    bool Cancel = false;
    int ProgressShown = 0;
};

TEST(ACopyButtonClick, ClipboardHoldsThePictureOfTheWindowAndNoText) {
    MainWindowFixture f;
    for (const char* read : {"AReadRadioButton", "PReadRadioButton"}) {
        f.Window->pageControl()->setCurrentIndex(read[0] == 'P' ? 1 : 0);
        QTest::mouseClick(f.Find<QRadioButton>(read), Qt::LeftButton, {}, QPoint(6, 6));
    }
    f.Window->pageControl()->setCurrentIndex(0);
    QApplication::clipboard()->setText("1\t2\n3\t4\n");
    QApplication::processEvents();
    ASSERT_TRUE(f.Find("APasteButton")->isEnabled());
    QTest::mouseClick(f.Find<QPushButton>("ACopyButton"), Qt::LeftButton);
    QApplication::processEvents();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_FALSE(data->hasText());
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(1004, 717));
    EXPECT_FALSE(f.Find("APasteButton")->isEnabled());
    EXPECT_FALSE(f.Find("PPasteButton")->isEnabled());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
}

TEST(APrintButtonClick, PrintsTheVisibleTabFittedToThePageWidth) {
    for (const char* button : {"APrintButton", "PPrintButton"}) {
        PrintFixture f;
        f.Click(button);
        ASSERT_EQ(f.Printer.Jobs.size(), 1) << button;
        const ScriptedPrinterService::Job& job = f.Printer.Jobs.front();
        const bool power = button[0] == 'P';
        EXPECT_EQ(job.Title,
                  power ? "Printing KVOR Power dialog" : "Printing KVOR Accuracy dialog");
        EXPECT_TRUE(job.Ended);
        EXPECT_EQ(f.Window->Context().Output().PrintState, power ? 2 : 1);
        // 1004 x 717 on a printable 4760 x 6816 portrait page fills the width.
        EXPECT_EQ(job.Page.boundingRect(), QRect(0, 0, 4760, 3399));
        EXPECT_TRUE(f.Messages.Messages().isEmpty());
        EXPECT_TRUE(f.Window->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), f.Find(button));
    }
}

TEST(APrintButtonClick, NoPrinterCancelAndFailure) {
    {
        PrintFixture f;
        f.Printer.ResolutionReadable = false;
        f.Click("APrintButton");
        ASSERT_EQ(f.Messages.Messages().size(), 1);
        EXPECT_EQ(f.Messages.Messages().front().Kind, kvor::MessageKind::Warning);
        EXPECT_EQ(f.Messages.Messages().front().Text, kvor::OutputTexts::NoPrinter);
        EXPECT_EQ(f.Messages.Beeps(), 1);
        EXPECT_EQ(f.ProgressShown, 0);
        EXPECT_FALSE(f.Window->Context().Output().PrinterAvailable);
        f.Messages.Clear();
        f.Click("PPrintSetupButton");
        EXPECT_TRUE(f.Messages.Messages().isEmpty());
        EXPECT_EQ(f.Messages.Beeps(), 0);
        EXPECT_EQ(f.Printer.SetupShown, 0);
    }
    {
        PrintFixture f;
        f.Cancel = true;
        f.Click("PPrintButton");
        EXPECT_TRUE(f.Printer.Jobs.isEmpty());
        EXPECT_TRUE(f.Messages.Messages().isEmpty());
        EXPECT_TRUE(f.Window->isEnabled());
    }
    {
        PrintFixture f;
        f.Printer.EndFails = true;
        f.Click("APrintButton");
        ASSERT_EQ(f.Messages.Messages().size(), 1);
        EXPECT_EQ(f.Messages.Messages().front().Kind, kvor::MessageKind::Error);
        EXPECT_EQ(f.Messages.Messages().front().Text, kvor::OutputTexts::DialogPrintError);
        EXPECT_EQ(QApplication::focusWidget(), f.Find("APrintButton"));
    }
}

TEST(APrintSetupButtonClick, ShowsThePrinterSetupOfBothTabs) {
    PrintFixture f;
    f.Click("APrintSetupButton");
    f.Click("PPrintSetupButton");
    EXPECT_EQ(f.Printer.SetupShown, 2);
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
}

} // namespace
