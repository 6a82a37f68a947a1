#include "../import/ImportTestSupport.h"
#include "MainWindowFixture.h"
#include "app/AccuracyTab.h"
#include "app/KVORPageControl.h"
#include "app/PowerTab.h"
#include "cli/CliOptions.h"
#include "cli/CliRun.h"
#include "import/ImportTexts.h"
#include "import/ui/ImportStatus.h"
#include "import/ui/TKVORImportXY.h"
#include "import/ui/TKVORPasteCB.h"
#include "import/ui/TKVORViewImport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <sstream>

namespace {

using kvor::test::TempDir;

std::pair<double, double> Pair(std::size_t i) {
    const double x = 10 + 0.25 * double(i);
    return {x, 3 + 2 * x + kvor::test::Alternate(i)};
}

void Click(MainWindowFixture& f, const QString& name) {
    f.Find<QAbstractButton>(name)->click();
}

template <typename Dialog> Dialog* Shown(MainWindowFixture& f) {
    auto* dialog = f.Window->findChild<Dialog*>();
    EXPECT_NE(dialog, nullptr);
    if (dialog != nullptr) {
        dialog->Status().Timer().setInterval(1);
    }
    return dialog;
}

bool Import(kvor::TImportDialog& dialog, const char* button) {
    QSignalSpy finished(&dialog, &kvor::TImportDialog::ImportFinished);
    dialog.findChild<QPushButton*>(button)->click();
    return finished.count() > 0 || finished.wait(60000);
}

// Opens the text-file dialog of a tab, reads the file and closes the dialog with `close`.
void ImportFile(MainWindowFixture& f, QChar tab, const std::string& file, const char* close) {
    Click(f, QString(tab) + "ReadRadioButton");
    Click(f, QString(tab) + "ImportButton");
    auto* dialog = Shown<kvor::TKVORImportXY>(f);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("FileEdit")->setText(QString::fromStdString(file));
    ASSERT_TRUE(Import(*dialog, "ImportButton"));
    ASSERT_TRUE(dialog->findChild<QWidget*>("OKButton")->isEnabled());
    QSignalSpy destroyed(dialog, &QObject::destroyed);
    dialog->findChild<QPushButton*>(close)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(destroyed.count(), 1) << "freed when closed";
}

TEST(AImportButtonClick, OkCommitsThePairsAndOffersTheImportedDataControls) {
    MainWindowFixture f;
    TempDir dir;
    const std::string file = dir.Write("pairs.txt", kvor::test::PairLines(3000, Pair));
    Click(f, "AWLSRadioButton");
    ImportFile(f, 'A', file, "OKButton");
    const kvor::ImportedData& data = f.Window->AccuracyTab()->ImportedData();
    EXPECT_EQ(data.Count, 3000);
    EXPECT_EQ(data.SourceFile, file);
    EXPECT_EQ(data.X[2999], Pair(2999).first);
    EXPECT_EQ(f.Find<QLabel>("AFileLabel1")->text(), "3000 X, Y pairs available.  Read from file;");
    EXPECT_EQ(f.Find<QLabel>("AFileLabel2")->text(), QString::fromStdString(file));
    EXPECT_TRUE(f.Find("AVIButton")->isEnabled());
    EXPECT_TRUE(f.Find("AVFButton")->isEnabled());
    EXPECT_TRUE(f.Find("AAssignButton")->isEnabled());
    EXPECT_EQ(f.Window->PowerTab()->ImportedData().Count, 0) << "only the active tab takes them";
}

TEST(AImportButtonClick, CancelLeavesTheTabsPairsUntouched) {
    MainWindowFixture f;
    TempDir dir;
    ImportFile(f, 'A', dir.Write("first.txt", kvor::test::PairLines(3000, Pair)), "OKButton");
    const std::string second = dir.Write("second.txt", kvor::test::PairLines(4000, Pair));
    ImportFile(f, 'A', second, "CancelButton");
    const kvor::ImportedData& data = f.Window->AccuracyTab()->ImportedData();
    EXPECT_EQ(data.Count, 3000);
    EXPECT_EQ(data.SourceFile, dir.PathOf("first.txt"));
    EXPECT_EQ(f.Find<QLabel>("AFileLabel1")->text(), "3000 X, Y pairs available.  Read from file;");
}

// The window's run over pairs imported through the dialog is kvor-cli's run of the same file.
TEST(AImportButtonClick, FixedSeedRunOverImportedPairsEqualsTheCommandLineRun) {
    MainWindowFixture f;
    TempDir dir;
    const std::string file = dir.Write(
        "pairs.txt", kvor::test::PairLines(5000, [](std::size_t i) {
            const double x = 5 + double(i % 997) * 0.1;
            return std::pair<double, double>(x, 1 + 1.5 * x + 0.3 * double((i * 7919) % 13) - 1.8);
        }));
    ImportFile(f, 'A', file, "OKButton");
    f.Find<QCheckBox>("ASeedCheckBox")->setChecked(true);
    Click(f, "AStartButton");
    const kvor::TStudyTab* tab = f.Window->AccuracyTab();
    ASSERT_TRUE(QTest::qWaitFor([tab] { return !tab->RunActive(); }, 120000));

    // The tab cut N to what the pool allows; the command line is given the same.
    const kvor::StudyDesign design = tab->ReadStudyDesign();
    const auto parsed = kvor::cli::ParseCliOptions({"accuracy", "--import", file, "--fixed-seed",
                                                    "--n", std::to_string(design.N), "--sets",
                                                    std::to_string(design.SetsPerRun)});
    ASSERT_TRUE(parsed.Ok) << parsed.Error;
    std::ostringstream out;
    std::ostringstream err;
    kvor::cli::CliStreams streams{out, err, false, {}, {}};
    ASSERT_EQ(kvor::cli::RunCli(parsed.Options, streams), kvor::cli::ExitOk) << err.str();
    std::istringstream lines(out.str());
    int panels = 0;
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.find(": ");
        if (colon == std::string::npos) {
            continue; // the import's status line
        }
        const QString name = QString::fromStdString(line.substr(0, colon));
        EXPECT_EQ(f.Find<QLabel>(name)->text().toStdString(), line.substr(colon + 2)) << line;
        ++panels;
    }
    EXPECT_GT(panels, 10);
}

TEST(APasteButtonClick, AClipboardWithoutTextIsRefusedAndNoDialogOpens) {
    MainWindowFixture f;
    Click(f, "AReadRadioButton");
    QApplication::clipboard()->setText("1\t2\n");
    QApplication::processEvents();
    auto* paste = f.Find<QPushButton>("APasteButton");
    ASSERT_TRUE(paste->isEnabled());
    paste->setFocus();
    // Emptied without the change reaching the window yet.
    {
        const QSignalBlocker quiet(QApplication::clipboard());
        QApplication::clipboard()->clear();
    }
    paste->click();
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages()[0].Text, "The clipboard does not contain text.");
    EXPECT_EQ(f.Messages.Messages()[0].Kind, kvor::MessageKind::Error);
    EXPECT_EQ(f.Messages.Beeps(), 1);
    EXPECT_TRUE(f.Find("AImportButton")->hasFocus());
    EXPECT_FALSE(f.Find("APasteButton")->isEnabled());
    EXPECT_FALSE(f.Find("PPasteButton")->isEnabled());
    EXPECT_EQ(f.Window->findChild<kvor::TKVORPasteCB*>(), nullptr);
}

TEST(APasteButtonClick, PastedPairsReachThePowerTab) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    Click(f, "PReadRadioButton");
    QApplication::clipboard()->setText(
        QString::fromStdString(kvor::test::PairLines(100000, Pair, "\t", "\r\n")));
    QApplication::processEvents();
    Click(f, "PPasteButton");
    auto* dialog = Shown<kvor::TKVORPasteCB>(f);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Import(*dialog, "ImportCBButton"));
    ASSERT_TRUE(f.Messages.Messages().isEmpty()) << f.Messages.Messages()[0].Text.toStdString();
    dialog->findChild<QPushButton*>("OKButton")->click();
    EXPECT_EQ(f.Window->PowerTab()->ImportedData().Count, 100000);
    EXPECT_TRUE(f.Window->PowerTab()->ImportedData().SourceFile.empty());
    EXPECT_EQ(f.Find<QLabel>("PFileLabel1")->text(),
              "100000 X, Y pairs available.  Pasted from clipbaord.");
    EXPECT_TRUE(f.Find<QLabel>("PFileLabel2")->text().isEmpty());
    EXPECT_TRUE(f.Find("PVIButton")->isEnabled());
    QApplication::clipboard()->clear();
}

TEST(PVIButtonClick, ViewerOfAPowerTabWith150000PairsHasAsManyRows) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    Click(f, "PReadRadioButton");
    kvor::ImportedData& data = f.Window->PowerTab()->ImportedData();
    for (int i = 0; i < 150000; ++i) {
        data.X[i] = 1 + i;
        data.Y[i] = 0.5 + 2 * i;
    }
    data.Count = 150000;
    f.Window->PowerTab()->ImportCommitted("150000 pairs", "", true);
    Click(f, "PVIButton");
    auto* viewer = f.Window->findChild<kvor::TKVORViewImport*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), " Imported 'Power' data (N = 150000)");
    EXPECT_EQ(viewer->ViewImportGrid().model()->rowCount(), 150000);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    viewer->close();
}

} // namespace
