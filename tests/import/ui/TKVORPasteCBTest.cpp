#include "import/ui/TKVORPasteCB.h"
#include "DialogFixture.h"
#include "app/HelpContext.h"
#include "import/ImportTexts.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/TKVORDataViewer.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

using kvor::ImportKind;
using kvor::TKVORPasteCB;
namespace Texts = kvor::ImportTexts;

using importui::Child;
using importui::Pair;
using importui::Q;

void SetClipboard(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
    QApplication::processEvents();
}

void EmptyClipboard() {
    QApplication::clipboard()->clear();
    QApplication::processEvents();
}

struct PasteFixture : DialogFixture {
    PasteFixture() { SetClipboard(kvor::test::PairLines(3000, Pair, "\t")); }
    ~PasteFixture() { EmptyClipboard(); }

    bool ImportPairs(TKVORPasteCB& dialog) {
        return Import(dialog, *dialog.findChild<QPushButton*>("ImportCBButton"));
    }
};

TEST(TKVORPasteCB, OpensWithTheControlsOfItsTable) {
    struct Row {
        const char* Name;
        QString Caption;
        bool Enabled;
        int Help;
    };
    const Row rows[] = {
        {"ViewCBButton", "&View Clipboard Data", true, 650},
        {"ImportCBButton", "I&mport X, Y pairs", true, 652},
        {"OKButton", "&OK", false, 654},
        {"CancelButton", "&Cancel", true, 656},
        {"HelpButton", "&Help", true, 658},
    };
    PasteFixture f;
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Accuracy);
    EXPECT_EQ(dialog->windowTitle(), " Paste X, Y pairs from Windows clipboard");
    for (const Row& row : rows) {
        auto* button = qobject_cast<QPushButton*>(Child(*dialog, row.Name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), row.Caption) << row.Name;
        EXPECT_EQ(button->isEnabled(), row.Enabled) << row.Name;
        EXPECT_EQ(kvor::HelpContextOf(button), row.Help) << row.Name;
    }
    EXPECT_TRUE(dialog->CBText());
    EXPECT_FALSE(dialog->CBRead());
    EXPECT_FALSE(dialog->Viewing());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
}

TEST(TKVORPasteCB, ImportAcceptsTabSeparatedPairsFromTheClipboard) {
    PasteFixture f;
    SetClipboard("X\tY\r\n" + kvor::test::PairLines(3000, Pair, "\t", "\r\n"));
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Accuracy);
    ASSERT_TRUE(f.ImportPairs(*dialog));
    EXPECT_TRUE(f.Messages.Messages().isEmpty()) << f.Last().toStdString();
    EXPECT_EQ(f.Messages.Beeps(), 1);
    EXPECT_EQ(dialog->findChild<QLabel*>("ImportPanel")->text(),
              " 3000 X, Y pairs extracted from the clipboard.");
    EXPECT_EQ(f.Buffer.Count, 3000);
    EXPECT_TRUE(Child(*dialog, "OKButton")->hasFocus());
    EXPECT_TRUE(dialog->CBRead());
    EXPECT_TRUE(dialog->Result().SourcePath.empty());
}

TEST(TKVORPasteCB, RefusalClearsBothFlagsAndFocusesImport) {
    PasteFixture f;
    SetClipboard(kvor::test::PairLines(99999, Pair, "\t"));
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Power);
    ASSERT_TRUE(f.ImportPairs(*dialog));
    EXPECT_EQ(f.Last(),
              Q(Texts::InsufficientLines(kvor::ImportSource::Clipboard, ImportKind::Power, 99999)));
    EXPECT_FALSE(dialog->CBText());
    EXPECT_FALSE(dialog->CBRead());
    EXPECT_EQ(f.Buffer.Count, 0);
    EXPECT_FALSE(Child(*dialog, "OKButton")->isEnabled());
    EXPECT_TRUE(Child(*dialog, "ImportCBButton")->hasFocus());
    // The clipboard still holds text: coming back to the dialog says nothing.
    dialog->Activated();
    EXPECT_EQ(f.Messages.Messages().size(), 1);
}

TEST(TKVORPasteCB, EmptyingTheClipboardInTheForegroundDisablesViewAndImportAndSaysSoOnce) {
    PasteFixture f;
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Accuracy);
    ASSERT_TRUE(dialog->isActiveWindow());
    EmptyClipboard();
    EXPECT_FALSE(Child(*dialog, "ViewCBButton")->isEnabled());
    EXPECT_FALSE(Child(*dialog, "ImportCBButton")->isEnabled());
    EXPECT_TRUE(Child(*dialog, "CancelButton")->hasFocus());
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages()[0].Text, kvor::ImportDialogTexts::ClipboardLost);
    EXPECT_EQ(f.Messages.Messages()[0].Kind, kvor::MessageKind::Information);
    dialog->Activated();
    EXPECT_EQ(f.Messages.Messages().size(), 1) << "told once";

    SetClipboard("1\t2\n");
    EXPECT_TRUE(Child(*dialog, "ViewCBButton")->isEnabled());
    EXPECT_TRUE(Child(*dialog, "ImportCBButton")->isEnabled());
}

TEST(TKVORPasteCB, AClipboardLostInTheBackgroundIsToldOnReturning) {
    PasteFixture f;
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Accuracy);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    ASSERT_FALSE(dialog->isActiveWindow());
    EmptyClipboard();
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    EXPECT_FALSE(dialog->CBText());
    QApplication::setActiveWindow(dialog.get());
    QApplication::processEvents();
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages()[0].Text, kvor::ImportDialogTexts::ClipboardLost);
    dialog->Activated();
    EXPECT_EQ(f.Messages.Messages().size(), 1);
}

TEST(TKVORPasteCB, AnAcceptedImportKeepsOkWhenTheClipboardEmpties) {
    PasteFixture f;
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Accuracy);
    ASSERT_TRUE(f.ImportPairs(*dialog));
    EmptyClipboard();
    EXPECT_TRUE(Child(*dialog, "OKButton")->isEnabled());
    EXPECT_FALSE(Child(*dialog, "ImportCBButton")->isEnabled());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    EXPECT_EQ(f.Buffer.Count, 3000);
}

TEST(TKVORPasteCB, NoPairsFromAClipboardEmptiedDuringTheImportSaysItIsGone) {
    PasteFixture f;
    SetClipboard(kvor::test::PairLines(3000, Pair, ","));
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Accuracy);
    kvor::TImportStatus& status = dialog->Status();
    status.Timer().setInterval(3600 * 1000);
    Child(*dialog, "ImportCBButton")->setFocus();
    QTest::keyClick(Child(*dialog, "ImportCBButton"), Qt::Key_Space);
    ASSERT_TRUE(status.Running());
    EmptyClipboard();
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.ReadFinished(); }, 30000));
    for (int tick = 0; tick < 3; ++tick) {
        status.Tick();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.CheckFinished(); }, 30000));
    for (int tick = 0; tick < 3; ++tick) {
        status.Tick();
    }
    EXPECT_TRUE(dialog->isEnabled());
    ASSERT_FALSE(f.Messages.Messages().isEmpty());
    EXPECT_EQ(f.Messages.Messages().back().Text, Q(Texts::NoPairsClipboardGone));
    EXPECT_TRUE(Child(*dialog, "CancelButton")->hasFocus());
    EXPECT_EQ(f.Buffer.Count, 0);
}

TEST(TKVORPasteCB, ViewClipboardDataOpensTheClipboardViewer) {
    PasteFixture f;
    SetClipboard("1\t2\n3\t4\n5\t6");
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Accuracy);
    QTest::mouseClick(Child(*dialog, "ViewCBButton"), Qt::LeftButton);
    auto* viewer = dialog->findChild<kvor::TKVORDataViewer*>();
    ASSERT_NE(viewer, nullptr) << f.Last().toStdString();
    EXPECT_EQ(viewer->windowTitle(), " Clipboard viewer");
    EXPECT_EQ(viewer->LineCount(), 3u);
    EXPECT_TRUE(dialog->Viewing());
    EXPECT_TRUE(dialog->isEnabled());
    viewer->close();
    EXPECT_FALSE(dialog->Viewing());
    EXPECT_TRUE(dialog->CBText());
}

TEST(TKVORPasteCB, ViewAndImportOfAClipboardWithoutTextSayIt) {
    PasteFixture f;
    auto dialog = f.Open<TKVORPasteCB>(ImportKind::Accuracy);
    {
        const QSignalBlocker quiet(QApplication::clipboard());
        QApplication::clipboard()->clear();
    }
    for (const char* button : {"ViewCBButton", "ImportCBButton"}) {
        f.Messages.Clear();
        QTest::mouseClick(Child(*dialog, button), Qt::LeftButton);
        ASSERT_EQ(f.Messages.Messages().size(), 1) << button;
        EXPECT_EQ(f.Messages.Messages()[0].Text, Q(Texts::ClipboardHasNoText)) << button;
        EXPECT_EQ(f.Messages.Messages()[0].Kind, kvor::MessageKind::Error) << button;
        EXPECT_EQ(dialog->findChild<kvor::TKVORDataViewer*>(), nullptr) << button;
    }
}

} // namespace
