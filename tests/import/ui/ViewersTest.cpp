#include "DialogFixture.h"
#include "app/HelpContext.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/ImportedPairsModel.h"
#include "import/ui/TKVORDataViewer.h"
#include "import/ui/TKVORViewImport.h"
#include "import/ui/TextLinesView.h"

#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

namespace {

using kvor::TKVORDataViewer;
using kvor::TKVORViewImport;

kvor::TextLines NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    return kvor::TextLines(std::move(text));
}

void Wheel(QWidget* target, int notches) {
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

struct FileViewer {
    explicit FileViewer(DialogFixture& f, int lines)
        : Viewer(f.Services(), TKVORDataViewer::Mode::File, nullptr) {
        Viewer.SetLines(kvor::IndexedLines(NumberedLines(lines)));
        Viewer.show();
        QApplication::setActiveWindow(&Viewer);
        QApplication::processEvents();
    }
    kvor::TTextLinesView& Text() { return Viewer.TextView(); }
    QWidget* Close() { return Viewer.findChild<QWidget*>("CloseButton"); }

    TKVORDataViewer Viewer;
};

TEST(TKVORDataViewer, ShowsTheTextInArialWithoutEverTakingTheFocus) {
    DialogFixture f;
    FileViewer v(f, 50);
    EXPECT_EQ(v.Text().font().family(), "Arial");
    EXPECT_EQ(v.Text().font().pointSize(), 10);
    EXPECT_EQ(v.Text().LineText(0), "line 1");
    EXPECT_EQ(v.Text().LineText(49), "line 50");
    EXPECT_EQ(v.Text().focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(kvor::HelpContextOf(&v.Text()), 710);
    EXPECT_TRUE(v.Close()->hasFocus());
    QTest::mouseClick(v.Text().viewport(), Qt::LeftButton);
    EXPECT_TRUE(v.Close()->hasFocus());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(v.Viewer.size(), QSize(screen.width() * 900 / 1024, screen.height() * 660 / 768));
}

TEST(TKVORDataViewer, NavigationKeysScrollOnlyWithCtrl) {
    DialogFixture f;
    FileViewer v(f, 3500);
    QWidget* close = v.Close();
    const int page = v.Text().PageLines();
    ASSERT_GT(page, 3);
    const int lastTop = 3500 - page;
    struct Step {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int Top;
    };
    const Step steps[] = {
        {Qt::Key_End, Qt::NoModifier, 0},
        {Qt::Key_PageDown, Qt::NoModifier, 0},
        {Qt::Key_Down, Qt::NoModifier, 0},
        {Qt::Key_Down, Qt::ControlModifier, 1},
        {Qt::Key_Right, Qt::ControlModifier, 2},
        {Qt::Key_Left, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 1 + page},
        {Qt::Key_Up, Qt::ControlModifier, page},
        {Qt::Key_PageUp, Qt::ControlModifier, 0},
        {Qt::Key_End, Qt::ControlModifier, lastTop},
        {Qt::Key_Down, Qt::ControlModifier, lastTop},
        {Qt::Key_Home, Qt::NoModifier, lastTop},
        {Qt::Key_Home, Qt::ControlModifier, 0},
    };
    for (const Step& step : steps) {
        QTest::keyClick(close, step.Key, step.Modifiers);
        EXPECT_EQ(v.Text().TopLine(), step.Top) << step.Key << " " << step.Modifiers;
        EXPECT_TRUE(close->hasFocus()) << step.Key;
    }
}

TEST(TKVORDataViewer, WheelScrollsThreeLinesPerNotch) {
    DialogFixture f;
    FileViewer v(f, 3500);
    Wheel(v.Text().viewport(), -2);
    EXPECT_EQ(v.Text().TopLine(), 6);
    Wheel(v.Text().viewport(), 1);
    EXPECT_EQ(v.Text().TopLine(), 3);
}

TEST(TKVORDataViewer, ClipboardModeFollowsTheClipboardAndTellsOfItsLoss) {
    DialogFixture f;
    QApplication::clipboard()->setText("a\tb\nc\td\n");
    TKVORDataViewer viewer(f.Services(), TKVORDataViewer::Mode::Clipboard, nullptr);
    viewer.SetLines(kvor::IndexedLines(kvor::TextLines("a\tb\nc\td\n")));
    EXPECT_EQ(viewer.windowTitle(), " Clipboard viewer");
    EXPECT_EQ(kvor::HelpContextOf(&viewer.TextView()), 711);
    QApplication::clipboard()->setText("1\n2\n3\n");
    QApplication::processEvents();
    EXPECT_EQ(viewer.LineCount(), 3u);
    EXPECT_EQ(viewer.TextView().LineText(2), "3");
    QApplication::clipboard()->clear();
    QApplication::processEvents();
    EXPECT_EQ(viewer.LineCount(), 0u);
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    viewer.show();
    QApplication::setActiveWindow(&viewer);
    QApplication::processEvents();
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages()[0].Text, kvor::ImportDialogTexts::ClipboardLost);
    EXPECT_TRUE(viewer.findChild<QWidget*>("CloseButton")->hasFocus());
}

// A tab's pool for the viewer: X = 1 .. n / 4, Y = X / 3 (long fractions).
struct Pool {
    explicit Pool(int n) {
        for (int i = 0; i < n; ++i) {
            Data.X[i] = (i + 1) / 4.0;
            Data.Y[i] = Data.X[i] / 3.0;
        }
        Data.Count = n;
    }
    kvor::ImportedData Data;
};

TEST(TKVORViewImport, ListsThePairsInTheGeneralFormatWithTheSystemSeparator) {
    DialogFixture f(QLatin1Char(','));
    Pool pool(3000);
    TKVORViewImport viewer(f.Services(), pool.Data, true, nullptr);
    EXPECT_EQ(viewer.windowTitle(), " Imported 'Accuracy' data (N = 3000)");
    QAbstractItemModel& model = *viewer.ViewImportGrid().model();
    ASSERT_EQ(model.rowCount(), 3000);
    ASSERT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), " Pair No.");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "X");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Y");
    EXPECT_EQ(model.index(0, 0).data().toString(), "1.");
    EXPECT_EQ(model.index(0, 1).data().toString(), "0,25");
    EXPECT_EQ(model.index(0, 2).data().toString(), "0,0833333333333333");
    EXPECT_EQ(model.index(2999, 0).data().toString(), "3000.");
    EXPECT_EQ(model.index(2999, 1).data().toString(), "750");
    EXPECT_EQ(kvor::HelpContextOf(&viewer.ViewImportGrid()), 716);
    EXPECT_EQ(viewer.ViewImportGrid().focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(viewer.ViewImportGrid().editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(TKVORViewImport, ColumnsAreAsWideAsTenDigitsAndTheLongestTextPlusThree) {
    DialogFixture f;
    Pool pool(3000);
    pool.Data.X[1234] = -1.0 / 7.0; // the longest X text
    TKVORViewImport viewer(f.Services(), pool.Data, false, nullptr);
    const QFontMetrics metrics(viewer.ViewImportGrid().font());
    const int digit = metrics.horizontalAdvance(QLatin1Char('0'));
    EXPECT_EQ(viewer.ViewImportGrid().columnWidth(0), 10 * digit);
    EXPECT_EQ(viewer.ViewImportGrid().columnWidth(1),
              metrics.horizontalAdvance("-0.142857142857143") + 3 * digit);
    EXPECT_EQ(viewer.ViewImportGrid().columnWidth(2),
              metrics.horizontalAdvance("0.0833333333333333") + 3 * digit);
    EXPECT_EQ(viewer.width(), QFontMetrics(QFont("Arial", 10)).horizontalAdvance(QString(60, '0')));
}

TEST(TKVORViewImport, WidestTextCountsExponentsAsTheyAreWritten) {
    DialogFixture f;
    Pool pool(10);
    std::fill_n(pool.Data.Y.begin(), 10, 2.0);
    pool.Data.Y[3] = 1.5e-7;  // "1.5E-7"
    pool.Data.Y[4] = 0.00012; // "0.00012", one character longer
    kvor::TImportedPairsModel model(pool.Data, '.', nullptr);
    EXPECT_EQ(model.WidestText(2), "0.00012");
    pool.Data.Y[5] = 1.23456789012345e-9;
    EXPECT_EQ(model.WidestText(2), "1.23456789012345E-9");
}

TEST(TKVORViewImport, CtrlKeysScrollAndEndGoesToTheLastPair) {
    DialogFixture f;
    Pool pool(150000);
    TKVORViewImport viewer(f.Services(), pool.Data, false, nullptr);
    viewer.show();
    QApplication::setActiveWindow(&viewer);
    QApplication::processEvents();
    QWidget* close = viewer.findChild<QWidget*>("CloseButton");
    ASSERT_TRUE(close->hasFocus());
    QScrollBar* bar = viewer.ViewImportGrid().verticalScrollBar();
    QTest::keyClick(close, Qt::Key_End);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(close, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(close, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    const QModelIndex last = viewer.ViewImportGrid().model()->index(149999, 0);
    EXPECT_TRUE(viewer.ViewImportGrid().viewport()->rect().intersects(
        viewer.ViewImportGrid().visualRect(last)));
    QTest::keyClick(close, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
    Wheel(viewer.ViewImportGrid().viewport(), -1);
    EXPECT_EQ(bar->value(), 3);
    EXPECT_TRUE(close->hasFocus());
}

TEST(TKVORViewImport, ASeparatorChangeRewritesTheValueColumns) {
    DialogFixture f;
    Pool pool(3000);
    TKVORViewImport viewer(f.Services(), pool.Data, true, nullptr);
    QSignalSpy changed(viewer.ViewImportGrid().model(), &QAbstractItemModel::dataChanged);
    f.Context.SetDecimalSeparator(QLatin1Char(','));
    viewer.SeparatorChanged();
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().column(), 1);
    EXPECT_EQ(changed[0][1].toModelIndex().column(), 2);
    EXPECT_EQ(viewer.ViewImportGrid().model()->index(0, 1).data().toString(), "0,25");
}

} // namespace
