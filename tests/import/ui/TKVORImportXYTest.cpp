#include "import/ui/TKVORImportXY.h"
#include "DialogFixture.h"
#include "app/HelpContext.h"
#include "import/ImportTexts.h"
#include "import/ui/TKVORDataViewer.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace {

using kvor::ImportKind;
using kvor::TKVORImportXY;
namespace Texts = kvor::ImportTexts;

using importui::Child;
using importui::Pair;
using importui::Q;

void TypeName(QWidget& dialog, const QString& name) {
    auto* edit = Child<QLineEdit>(dialog, "FileEdit");
    edit->setFocus();
    QTest::keyClicks(edit, name);
}

struct ImportXYFixture : DialogFixture {
    explicit ImportXYFixture(QChar separator = QLatin1Char('.')) : DialogFixture(separator) {}

    std::unique_ptr<TKVORImportXY> OpenWith(const std::string& file, ImportKind kind) {
        auto dialog = Open<TKVORImportXY>(kind);
        Child<QLineEdit>(*dialog, "FileEdit")->setText(QString::fromStdString(file));
        return dialog;
    }

    bool Read(TKVORImportXY& dialog) {
        return Import(dialog, *Child<QPushButton>(dialog, "ImportButton"));
    }
};

TEST(TKVORImportXY, OpensWithTheControlsOfItsTable) {
    struct Row {
        const char* Name;
        QString Caption;
        bool Enabled;
        int Help;
    };
    const Row rows[] = {
        {"FileEdit", "", true, 610},
        {"BrowseButton", "&Browse...", true, 612},
        {"ViewButton", "&View File", false, 614},
        {"CommaRadioButton", "Comma", true, 616},
        {"TabRadioButton", "Tab", true, 618},
        {"SpaceRadioButton", "Space", true, 620},
        {"SOtherRadioButton", "Other:", true, 622},
        {"SeparatorEdit", "", false, 624},
        {"ImportButton", "&Read X, Y pairs", false, 626},
        {"OKButton", "&OK", false, 628},
        {"CancelButton", "&Cancel", true, 630},
        {"HelpButton", "&Help", true, 632},
    };
    ImportXYFixture f;
    auto dialog = f.Open<TKVORImportXY>(ImportKind::Accuracy);
    EXPECT_EQ(dialog->windowTitle(), " Import X, Y pairs from Text file");
    for (const Row& row : rows) {
        QWidget* control = Child(*dialog, row.Name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->isEnabled(), row.Enabled) << row.Name;
        EXPECT_EQ(kvor::HelpContextOf(control), row.Help) << row.Name;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            EXPECT_EQ(button->text(), row.Caption) << row.Name;
        } else {
            EXPECT_TRUE(qobject_cast<QLineEdit*>(control)->text().isEmpty()) << row.Name;
        }
    }
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "CommaRadioButton")->isChecked());
    EXPECT_TRUE(Child(*dialog, "FileEdit")->hasFocus());
    EXPECT_EQ(Child<QLineEdit>(*dialog, "FileEdit")->maxLength(), 250);
    EXPECT_EQ(Child<QLineEdit>(*dialog, "SeparatorEdit")->maxLength(), 1);
    EXPECT_FALSE(Child(*dialog, "SeparatorEdit")->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(Child<QLabel>(*dialog, "ImportPanel")->text().isEmpty());
    EXPECT_FALSE(dialog->Status().Running());
}

TEST(TKVORImportXY, CommaSystemSeparatorOpensWithCommaDisabledAndTabChecked) {
    ImportXYFixture f(QLatin1Char(','));
    auto dialog = f.Open<TKVORImportXY>(ImportKind::Accuracy);
    EXPECT_FALSE(Child(*dialog, "CommaRadioButton")->isEnabled());
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "TabRadioButton")->isChecked());
}

TEST(TKVORImportXY, NamingAnExistingFileEnablesViewAndReadAndOneMoreCharacterDisablesAll) {
    ImportXYFixture f;
    const std::string file = f.Dir.Write("pairs.txt", kvor::test::PairLines(3000, Pair));
    auto dialog = f.Open<TKVORImportXY>(ImportKind::Accuracy);
    TypeName(*dialog, QString::fromStdString(file));
    EXPECT_TRUE(Child(*dialog, "ViewButton")->isEnabled());
    EXPECT_TRUE(Child(*dialog, "ImportButton")->isEnabled());
    ASSERT_TRUE(f.Read(*dialog));
    ASSERT_TRUE(Child(*dialog, "OKButton")->isEnabled());
    ASSERT_EQ(f.Buffer.Count, 3000);

    TypeName(*dialog, "x");
    EXPECT_FALSE(Child(*dialog, "ViewButton")->isEnabled());
    EXPECT_FALSE(Child(*dialog, "ImportButton")->isEnabled());
    EXPECT_FALSE(Child(*dialog, "OKButton")->isEnabled());
    EXPECT_EQ(f.Buffer.Count, 0) << "a changed name discards the pairs read";
    EXPECT_TRUE(Child<QLabel>(*dialog, "ImportPanel")->text().isEmpty());
}

TEST(TKVORImportXY, AFolderOrABlankNameIsNoFile) {
    ImportXYFixture f;
    for (const QString& name : {QString::fromStdString(f.Dir.PathOf("")), QString("   ")}) {
        auto dialog = f.Open<TKVORImportXY>(ImportKind::Accuracy);
        TypeName(*dialog, name);
        EXPECT_FALSE(Child(*dialog, "ViewButton")->isEnabled()) << name.toStdString();
        EXPECT_FALSE(Child(*dialog, "ImportButton")->isEnabled()) << name.toStdString();
    }
}

TEST(TKVORImportXY, EnterDoesNothingBeforeASuccessfulReadAndClosesWithOkAfterIt) {
    ImportXYFixture f;
    const std::string file = f.Dir.Write("pairs.txt", kvor::test::PairLines(3000, Pair));
    auto dialog = f.OpenWith(file, ImportKind::Accuracy);
    auto* edit = Child(*dialog, "FileEdit");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);

    ASSERT_TRUE(f.Read(*dialog));
    EXPECT_TRUE(Child(*dialog, "OKButton")->hasFocus());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST(TKVORImportXY, CtrlOAcceptsAndEscapeCancelsFromTheNameBox) {
    ImportXYFixture f;
    const std::string file = f.Dir.Write("pairs.txt", kvor::test::PairLines(3000, Pair));
    auto dialog = f.OpenWith(file, ImportKind::Accuracy);
    ASSERT_TRUE(f.Read(*dialog));
    auto* edit = Child(*dialog, "FileEdit");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    auto other = f.OpenWith(file, ImportKind::Accuracy);
    auto* otherEdit = Child(*other, "FileEdit");
    otherEdit->setFocus();
    QTest::keyClick(otherEdit, Qt::Key_Escape);
    EXPECT_FALSE(other->isVisible());
    EXPECT_EQ(other->result(), QDialog::Rejected);
}

TEST(TKVORImportXY, ReadAcceptsAFileAndOffersOk) {
    ImportXYFixture f;
    const std::string file =
        f.Dir.Write("pairs.txt", "X,Y\r\n" + kvor::test::PairLines(3000, Pair, ",", "\r\n"));
    auto dialog = f.OpenWith(file, ImportKind::Accuracy);
    ASSERT_TRUE(f.Read(*dialog));
    EXPECT_TRUE(f.Messages.Messages().isEmpty()) << f.Last().toStdString();
    EXPECT_EQ(f.Messages.Beeps(), 1);
    EXPECT_EQ(Child<QLabel>(*dialog, "ImportPanel")->text(),
              " 3000 X, Y pairs extracted from file.");
    EXPECT_TRUE(Child(*dialog, "OKButton")->isEnabled());
    EXPECT_TRUE(Child(*dialog, "OKButton")->hasFocus());
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(f.Buffer.Count, 3000);
    EXPECT_EQ(f.Buffer.X[2999], Pair(2999).first);
    EXPECT_EQ(f.Buffer.Y[0], Pair(0).second);
    EXPECT_EQ(dialog->Result().SourcePath, std::filesystem::path(file).lexically_normal());
}

TEST(TKVORImportXY, OtherSeparatorReadsSemicolonLinesWithCommaDecimals) {
    ImportXYFixture f;
    std::string text;
    for (std::size_t i = 0; i < 3000; ++i) {
        const auto [x, y] = Pair(i);
        text += QString::number(x, 'f', 2).replace('.', ',').toStdString() + ";" +
                QString::number(y, 'f', 2).replace('.', ',').toStdString() + "\n";
    }
    const std::string file = f.Dir.Write("semi.txt", text);
    auto dialog = f.OpenWith(file, ImportKind::Accuracy);
    QTest::mouseClick(Child(*dialog, "SOtherRadioButton"), Qt::LeftButton, {}, QPoint(6, 8));
    auto* other = Child<QLineEdit>(*dialog, "SeparatorEdit");
    EXPECT_TRUE(other->isEnabled());
    EXPECT_TRUE(other->hasFocus());
    QTest::keyClicks(other, ";");
    ASSERT_TRUE(f.Read(*dialog));
    EXPECT_EQ(f.Buffer.Count, 3000) << f.Last().toStdString();
    EXPECT_EQ(f.Buffer.X[1], 10.25);
}

// A refused read leaves no pairs, OK disabled, an empty panel, and the focus where the user
// can act.
TEST(TKVORImportXY, RefusalsGiveTheirMessageAndFocus) {
    struct Case {
        const char* What;
        std::string Bytes; // empty: no file at all
        bool OtherEmpty;
        ImportKind Kind;
        QString Message;
        const char* Focus;
        kvor::MessageKind Box;
    };
    const Case cases[] = {
        {"too few lines", kvor::test::PairLines(2999, Pair), false, ImportKind::Accuracy,
         Q(Texts::InsufficientLines(kvor::ImportSource::File, ImportKind::Accuracy, 2999)),
         "FileEdit", kvor::MessageKind::Information},
        {"too few lines for Power", kvor::test::PairLines(3000, Pair), false, ImportKind::Power,
         Q(Texts::InsufficientLines(kvor::ImportSource::File, ImportKind::Power, 3000)), "FileEdit",
         kvor::MessageKind::Information},
        {"wrong separator", kvor::test::PairLines(3000, Pair, ";"), false, ImportKind::Accuracy,
         Q(Texts::NoPairsFromFile), "ViewButton", kvor::MessageKind::Error},
        {"perfect fit",
         kvor::test::PairLines(3000,
                               [](std::size_t i) {
                                   return std::pair<double, double>(1.0 + double(i),
                                                                    2.0 * (1.0 + double(i)));
                               }),
         false, ImportKind::Accuracy, Q(Texts::PerfectFit), "FileEdit",
         kvor::MessageKind::Information},
        {"binary file", std::string("1,2\n\0\x01\x02", 7) + kvor::test::PairLines(3000, Pair),
         false, ImportKind::Accuracy, Q(Texts::FileUnreadable), "ImportButton",
         kvor::MessageKind::Error},
        {"other separator not typed", kvor::test::PairLines(3000, Pair), true, ImportKind::Accuracy,
         Q(Texts::OtherSeparatorEmpty), "SOtherRadioButton", kvor::MessageKind::Error},
        {"file gone before Read", "", false, ImportKind::Accuracy, Q(Texts::FileNotFound),
         "FileEdit", kvor::MessageKind::Error},
    };
    for (const Case& c : cases) {
        ImportXYFixture f;
        const std::string file = f.Dir.Write("data.txt", c.Bytes.empty() ? "1,2\n" : c.Bytes);
        auto dialog = f.OpenWith(file, c.Kind);
        if (c.Bytes.empty()) {
            std::filesystem::remove(file);
        }
        if (c.OtherEmpty) {
            Child<QRadioButton>(*dialog, "SOtherRadioButton")->setChecked(true);
        }
        f.Buffer.Count = 17;
        ASSERT_TRUE(f.Read(*dialog)) << c.What;
        ASSERT_EQ(f.Messages.Messages().size(), 1) << c.What;
        EXPECT_EQ(f.Messages.Messages()[0].Text, c.Message) << c.What;
        EXPECT_EQ(f.Messages.Messages()[0].Kind, c.Box) << c.What;
        EXPECT_EQ(f.Messages.Beeps(), 1) << c.What;
        EXPECT_EQ(f.Buffer.Count, 0) << c.What;
        EXPECT_FALSE(Child(*dialog, "OKButton")->isEnabled()) << c.What;
        EXPECT_TRUE(Child<QLabel>(*dialog, "ImportPanel")->text().isEmpty()) << c.What;
        EXPECT_TRUE(dialog->isEnabled()) << c.What;
        EXPECT_TRUE(Child(*dialog, c.Focus)->hasFocus()) << c.What;
    }
}

TEST(TKVORImportXY, AFileChangedBetweenViewAndReadIsReadAsItIsNow) {
    ImportXYFixture f;
    const std::string file = f.Dir.Write("pairs.txt", kvor::test::PairLines(3000, Pair));
    auto dialog = f.OpenWith(file, ImportKind::Accuracy);
    QTest::mouseClick(Child(*dialog, "ViewButton"), Qt::LeftButton);
    auto* viewer = dialog->findChild<kvor::TKVORDataViewer*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->LineCount(), 3000u);
    viewer->close();
    f.Dir.Write("pairs.txt", kvor::test::PairLines(5, Pair));
    ASSERT_TRUE(f.Read(*dialog));
    EXPECT_EQ(f.Last(),
              Q(Texts::InsufficientLines(kvor::ImportSource::File, ImportKind::Accuracy, 5)));
    EXPECT_EQ(f.Buffer.Count, 0);
    EXPECT_FALSE(Child(*dialog, "OKButton")->isEnabled());
}

TEST(TKVORImportXY, CommaRefusedOnceTheSystemSeparatorBecameAComma) {
    ImportXYFixture f;
    const std::string file = f.Dir.Write("pairs.txt", kvor::test::PairLines(3000, Pair));
    auto dialog = f.OpenWith(file, ImportKind::Accuracy);
    f.Context.SetDecimalSeparator(QLatin1Char(','));
    ASSERT_TRUE(f.Read(*dialog));
    EXPECT_EQ(f.Last(), Q(Texts::CommaSeparatorInvalid));
    EXPECT_TRUE(Child<QRadioButton>(*dialog, "TabRadioButton")->isChecked());
    EXPECT_TRUE(Child(*dialog, "TabRadioButton")->hasFocus());
    EXPECT_FALSE(Child(*dialog, "CommaRadioButton")->isEnabled());
}

TEST(TKVORImportXY, OtherBoxRefusesItsForbiddenKeysAndArrowsLeaveIt) {
    for (const bool commaSystem : {false, true}) {
        ImportXYFixture f(commaSystem ? QLatin1Char(',') : QLatin1Char('.'));
        auto dialog = f.Open<TKVORImportXY>(ImportKind::Accuracy);
        auto* other = Child<QRadioButton>(*dialog, "SOtherRadioButton");
        auto* edit = Child<QLineEdit>(*dialog, "SeparatorEdit");
        other->setChecked(true);
        ASSERT_TRUE(edit->hasFocus());
        QTest::keyClicks(edit, "7+-., ");
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_EQ(f.Messages.Beeps(), 7);
        EXPECT_TRUE(edit->hasFocus());
        QTest::keyClicks(edit, ";");
        EXPECT_EQ(edit->text(), ";");
        QTest::keyClick(edit, Qt::Key_Down);
        const char* forward = commaSystem ? "TabRadioButton" : "CommaRadioButton";
        EXPECT_TRUE(Child<QRadioButton>(*dialog, forward)->isChecked());
        EXPECT_TRUE(Child(*dialog, forward)->hasFocus());
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_FALSE(edit->isEnabled());

        other->setChecked(true);
        QTest::keyClicks(edit, "|");
        QTest::keyClick(edit, Qt::Key_Up);
        EXPECT_TRUE(Child<QRadioButton>(*dialog, "SpaceRadioButton")->isChecked());
        EXPECT_TRUE(Child(*dialog, "SpaceRadioButton")->hasFocus());
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_FALSE(edit->isEnabled());
        EXPECT_TRUE(f.Messages.Messages().isEmpty());
    }
}

TEST(TKVORImportXY, LeavingTheNameBoxTrimsIt) {
    ImportXYFixture f;
    const std::string file = f.Dir.Write("pairs.txt", "1,2\n");
    auto dialog = f.Open<TKVORImportXY>(ImportKind::Accuracy);
    TypeName(*dialog, "  " + QString::fromStdString(file) + " ");
    EXPECT_TRUE(Child(*dialog, "ImportButton")->isEnabled());
    Child(*dialog, "BrowseButton")->setFocus();
    EXPECT_EQ(Child<QLineEdit>(*dialog, "FileEdit")->text(), QString::fromStdString(file));
}

TEST(TKVORImportXY, BrowseStartsAtTheNamedFileOrTheHomeFolder) {
    ImportXYFixture f;
    const std::string file = f.Dir.Write("pairs.txt", "1,2\n");
    auto dialog = f.Open<TKVORImportXY>(ImportKind::Accuracy);
    QStringList starts;
    QString title;
    QString filter;
    dialog->SetFileChooser(
        [&](QWidget*, const QString& caption, const QString& start, const QString& filters) {
            starts << start;
            title = caption;
            filter = filters;
            return starts.size() == 1 ? QString::fromStdString(file) : QString();
        });
    QTest::mouseClick(Child(*dialog, "BrowseButton"), Qt::LeftButton);
    EXPECT_EQ(title, " Select Text file");
    EXPECT_TRUE(filter.startsWith("Text files (*.TXT")) << filter.toStdString();
    EXPECT_EQ(starts.value(0), f.Context.HomeFolder());
    EXPECT_EQ(Child<QLineEdit>(*dialog, "FileEdit")->text(), QString::fromStdString(file));
    EXPECT_TRUE(Child(*dialog, "BrowseButton")->hasFocus());
    EXPECT_TRUE(Child(*dialog, "ImportButton")->isEnabled());

    QTest::mouseClick(Child(*dialog, "BrowseButton"), Qt::LeftButton);
    EXPECT_EQ(starts.value(1), QString::fromStdString(file));
    EXPECT_EQ(Child<QLineEdit>(*dialog, "FileEdit")->text(), QString::fromStdString(file))
        << "a cancelled choice keeps the name";
}

// The status follows the timer: odd ticks quiet, even ticks full, each phase three ticks at
// least however fast the import is.
TEST(TKVORImportXY, StatusBlinksThroughBothPhasesOverDrivenTicks) {
    ImportXYFixture f;
    const std::string file = f.Dir.Write("pairs.txt", kvor::test::PairLines(3000, Pair));
    auto dialog = f.OpenWith(file, ImportKind::Accuracy);
    kvor::TImportStatus& status = dialog->Status();
    status.Timer().setInterval(3600 * 1000);
    auto* panel = Child<QLabel>(*dialog, "ImportPanel");
    Child<QPushButton>(*dialog, "ImportButton")->click();
    EXPECT_FALSE(dialog->isEnabled());
    EXPECT_EQ(panel->text(), " Reading file . . .");
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.ReadFinished(); }, 30000));
    const QString reading[] = {"", " Reading file . . ."};
    for (const QString& expected : reading) {
        status.Tick();
        EXPECT_EQ(panel->text(), expected);
        EXPECT_EQ(status.Phase(), kvor::ImportPhase::Reading);
    }
    status.Tick();
    EXPECT_EQ(status.Phase(), kvor::ImportPhase::Checking);
    EXPECT_EQ(panel->text(), " 3000 lines read from file;  Checking data . . .");
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.CheckFinished(); }, 30000));
    const QString checking[] = {" 3000 lines read from file;",
                                " 3000 lines read from file;  Checking data . . ."};
    for (const QString& expected : checking) {
        status.Tick();
        EXPECT_EQ(panel->text(), expected);
        EXPECT_FALSE(dialog->isEnabled());
    }
    QSignalSpy done(&status, &kvor::TImportStatus::Done);
    status.Tick();
    EXPECT_EQ(done.count(), 1);
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(panel->text(), " 3000 X, Y pairs extracted from file.");
}

TEST(TKVORImportXY, ViewFileCaptionsCountTheLines) {
    struct Case {
        std::size_t Lines;
        QString Ending;
    };
    for (const Case& c : {Case{1, "  (1 line)"}, Case{3500, "  (3500 lines)"}}) {
        ImportXYFixture f;
        const std::string file = f.Dir.Write("view.txt", kvor::test::PairLines(c.Lines, Pair));
        auto dialog = f.OpenWith(file, ImportKind::Accuracy);
        QTest::mouseClick(Child(*dialog, "ViewButton"), Qt::LeftButton);
        auto* viewer = dialog->findChild<kvor::TKVORDataViewer*>();
        ASSERT_NE(viewer, nullptr) << f.Last().toStdString();
        EXPECT_EQ(viewer->windowTitle(), " Viewing Text file view.txt" + c.Ending);
        EXPECT_EQ(viewer->LineCount(), c.Lines);
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_TRUE(dialog->isEnabled());
        EXPECT_TRUE(f.Messages.Messages().isEmpty());
        viewer->close();
    }
}

TEST(TKVORImportXY, ViewFileRefusesWhatItCannotShow) {
    struct Case {
        const char* What;
        std::string Bytes;
        QString Message;
        const char* Focus;
    };
    const Case cases[] = {
        {"empty", "", Q(Texts::FileEmpty), "FileEdit"},
        {"binary", std::string("a\0b", 3),
         "Could not read data from the specified file.  It might be locked by another "
         "application or else contains data that cannot be interpreted as text.",
         "FileEdit"},
    };
    for (const Case& c : cases) {
        ImportXYFixture f;
        const std::string file = f.Dir.Write("view.txt", c.Bytes);
        auto dialog = f.OpenWith(file, ImportKind::Accuracy);
        Child(*dialog, "ViewButton")->setEnabled(true);
        QTest::mouseClick(Child(*dialog, "ViewButton"), Qt::LeftButton);
        EXPECT_EQ(dialog->findChild<kvor::TKVORDataViewer*>(), nullptr) << c.What;
        EXPECT_EQ(f.Last(), c.Message) << c.What;
        EXPECT_EQ(f.Messages.Beeps(), 1) << c.What;
        EXPECT_TRUE(Child(*dialog, c.Focus)->hasFocus()) << c.What;
        EXPECT_TRUE(dialog->isEnabled()) << c.What;
    }
}

} // namespace
