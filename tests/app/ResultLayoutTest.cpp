#include "MainWindowFixture.h"
#include "app/ColumnHeads.h"
#include "app/KVORPageControl.h"
#include "app/PowerTab.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "studies/DetectionDisplay.h"
#include "studies/DetectionPanels.h"
#include "studies/NumberFormats.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

#include <climits>
#include <cmath>
#include <functional>

namespace {

using Format = std::function<std::string(double, char)>;

// Every text a format gives over the whole double range, for both separators.
QStringList SweptTexts(const Format& format) {
    QStringList texts;
    for (const char separator : {'.', ','}) {
        for (int exponent = -308; exponent <= 307; ++exponent) {
            for (const double mantissa :
                 {9.999999999999, 8.888888888888, 1.00000000049, 5.5555555555, 1.0}) {
                const double v = mantissa * std::pow(10.0, exponent);
                texts << QString::fromStdString(format(v, separator))
                      << QString::fromStdString(format(-v, separator));
            }
        }
    }
    return texts;
}

QStringList PercentTexts() {
    QStringList texts;
    for (const char separator : {'.', ','}) {
        for (const int valid : {1, 3, 7, 999, 1000, 9999, 10000}) {
            for (const int count : {0, 1, valid / 3, valid - 1, valid}) {
                texts << QString::fromStdString(kvor::FormatPercentage(count, valid, separator));
            }
        }
    }
    return texts;
}

QStringList RequiredNTexts() {
    QStringList texts;
    for (int n = 1; n <= 5001; ++n) {
        texts << QString::fromStdString(kvor::RequiredNText(n));
    }
    return texts;
}

QStringList CountTexts() {
    return {QString(" %1").arg(INT_MAX), " 1000000000", " 99999999"};
}

struct PanelCase {
    QStringList Names;
    std::function<QStringList()> Texts;
};

const std::vector<PanelCase>& PanelCases() {
    const auto mean = [](double v, char s) {
        return std::string(1, ' ').append(kvor::FormatMean(v, s));
    };
    const auto p = [](double v, char s) { return kvor::FormatP(std::fabs(std::fmod(v, 1.0)), s); };
    static const std::vector<PanelCase> cases = {
        {{"ASlopeMeanPanel", "ASlopeSDPanel", "AIntMeanPanel", "AIntSDPanel"},
         [] { return SweptTexts(kvor::FormatA); }},
        {{"SlopeZLabel", "InterceptZLabel"}, [] { return SweptTexts(kvor::FormatZ); }},
        {{"SlopePLabel", "InterceptPLabel"}, [p] { return SweptTexts(p); }},
        {{"A95SlopeCIPanel", "A99SlopeCIPanel", "A95IntCIPanel", "A99IntCIPanel", "A95CRPanel",
          "A99CRPanel"},
         PercentTexts},
        {{"PCIMeanSlopePanel", "PCIMeanInterceptPanel", "PCRMeanSlopePanel",
          "PCRMeanInterceptPanel"},
         [mean] { return SweptTexts(mean); }},
        {{"PCINPanel", "PCRNPanel"}, RequiredNTexts},
        {{"PCISamplesPanel", "PCRSamplesPanel"}, CountTexts},
    };
    return cases;
}

// Room for text inside a framed, right-aligned label, as the label paints it.
int TextRoom(const QLabel& panel) {
    const QFontMetrics metrics(panel.font());
    const int indent = panel.indent() >= 0 ? panel.indent() : metrics.horizontalAdvance('x') / 2;
    return panel.contentsRect().width() - 2 * panel.margin() - indent;
}

// Regression: "Mean Slope:" showed ".010036853" for 1.010036853.
TEST(ResultPanels, EveryPanelShowsItsWidestTextWhole) {
    MainWindowFixture f;
    for (const PanelCase& c : PanelCases()) {
        const QStringList texts = c.Texts();
        for (const QString& name : c.Names) {
            auto* panel = f.Find<QLabel>(name);
            const QFontMetrics metrics(panel->font());
            QString widest;
            for (const QString& text : texts) {
                if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest)) {
                    widest = text;
                }
            }
            EXPECT_LE(metrics.horizontalAdvance(widest), TextRoom(*panel))
                << name.toStdString() << ": \"" << widest.toStdString() << "\"";
        }
    }
}

// Regression: panels grew by 10 to 17 pixels when a run filled them.
TEST(ResultPanels, KeepTheirWidthWhenFilled) {
    MainWindowFixture f;
    for (const PanelCase& c : PanelCases()) {
        const QStringList texts = c.Texts();
        for (const QString& name : c.Names) {
            auto* panel = f.Find<QLabel>(name);
            f.Window->pageControl()->setCurrentIndex(name.startsWith('P') ? 1 : 0);
            QApplication::processEvents();
            const int empty = panel->width();
            panel->setText(texts.back());
            panel->parentWidget()->layout()->activate();
            QApplication::processEvents();
            EXPECT_EQ(panel->width(), empty) << name.toStdString();
        }
    }
}

QRect GeometryIn(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// The right end of a label's text, where the label paints it.
int TextRight(const QLabel* label, const QWidget* ancestor) {
    const QRect text = label->style()->itemTextRect(
        QFontMetrics(label->font()), label->contentsRect(), static_cast<int>(label->alignment()),
        label->isEnabled(), label->text());
    return label->mapTo(ancestor, QPoint(0, 0)).x() + text.right() + 1;
}

TEST(ResultPanels, CaptionsStandApartAndLabelsKeepRoomBeforeTheirEdits) {
    MainWindowFixture f;
    QWidget* sheet = f.Find("AccuracyTabSheet");
    const QStringList heads = {"ASlopeCILabel", "AIntCILabel", "ACRLabel"};
    for (int i = 0; i + 1 < heads.size(); ++i) {
        const auto* left = f.Find<QLabel>(heads[i]);
        const auto* right = f.Find<QLabel>(heads[i + 1]);
        EXPECT_GE(GeometryIn(right, sheet).left() - TextRight(left, sheet), 8)
            << heads[i].toStdString();
    }
    f.Find<QAbstractButton>("AWLSRadioButton")->click();
    f.Find<QAbstractButton>("PDemingRadioButton")->click();
    const std::pair<const char*, const char*> pairs[] = {
        {"AYParaLabel", "AYParaSpinEdit"}, {"AYB1Label", "AYB1Edit"},
        {"AYB2Label", "AYB2Edit"},         {"AYJLabel", "AYJEdit"},
        {"AMinLabel", "AMinNumEdit"},      {"PXParaLabel", "PXParaSpinEdit"},
        {"PXB2Label", "PXB2Edit"}};
    for (const auto& [labelName, editName] : pairs) {
        f.Window->pageControl()->setCurrentIndex(labelName[0] == 'P' ? 1 : 0);
        QApplication::processEvents();
        const auto* label = f.Find<QLabel>(labelName);
        const QWidget* edit = f.Find(editName);
        QWidget* tab = edit->window();
        EXPECT_GE(GeometryIn(edit, tab).left() - TextRight(label, tab), 4) << labelName;
    }
    f.Window->pageControl()->setCurrentIndex(0);
    f.Find<QAbstractButton>("AOLSRadioButton")->click();
    QApplication::processEvents();
    EXPECT_GE(GeometryIn(f.Find("AConstantNumEdit"), sheet).left() -
                  TextRight(f.Find<QLabel>("AConstantLabel"), sheet),
              4);
}

TEST(ResultPanels, EditsOfOneKindShareOneWidth) {
    MainWindowFixture f;
    const QStringList shortEdits = {"AMinNumEdit",         "AMaxNumEdit",
                                    "ATargetSlopeNumEdit", "ATargetInterceptNumEdit",
                                    "PTargetSlopeNumEdit", "PActualInterceptNumEdit"};
    const QStringList longEdits = {"AYB1Edit", "AYB2Edit", "AYB3Edit",
                                   "AYJEdit",  "PXJEdit",  "AConstantNumEdit"};
    const QStringList spinEdits = {"ASamplesSpinEdit", "ASizeSpinEdit", "PMaxSamplesSpinEdit",
                                   "PNSpinEdit", "AYParaSpinEdit"};
    for (const QStringList& kind : {shortEdits, longEdits, spinEdits}) {
        const int width = f.Find(kind.front())->width();
        for (const QString& name : kind) {
            EXPECT_EQ(f.Find(name)->width(), width) << name.toStdString();
        }
    }
}

bool WaitForPowerRun(MainWindowFixture& f) {
    return QTest::qWaitFor([&] { return !f.Window->PowerTab()->RunActive(); }, 120000);
}

// Regression: the table showed five and a half lines and hid the answer line after a run.
TEST(DetectionTables, ShowNineWholeLinesAndKeepTheAnswerInView) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    f.Find<QAbstractButton>("PStartButton")->click();
    ASSERT_TRUE(WaitForPowerRun(f));
    const int rowHeight = f.Window->PowerTab()->RowHeight();
    const kvor::PowerResults& results = f.Window->PowerTab()->Results();
    for (const auto& [key, side] :
         {std::pair<QString, const kvor::DetectionSide*>{"CI", &results.Intervals},
          {"CR", &results.Region}}) {
        SCOPED_TRACE(key.toStdString());
        auto* box = f.Find<QScrollArea>("P" + key + "ScrollBox");
        const int shown = box->viewport()->height();
        EXPECT_GE(shown, 9 * rowHeight);
        EXPECT_EQ(shown % rowHeight, 0) << "a line cut in half";
        QScrollBar* bar = box->verticalScrollBar();
        const int top = bar->value();
        EXPECT_EQ(top % rowHeight, 0);
        EXPECT_GE(side->FocusRow * rowHeight, top);
        EXPECT_LE((side->FocusRow + 1) * rowHeight, top + shown) << "answer out of sight";
        const int lines = static_cast<int>(side->TableLines.size());
        EXPECT_EQ(bar->maximum(), std::max(0, lines * rowHeight - shown));
        if (bar->maximum() > 0) {
            bar->setValue(rowHeight / 2 + 1); // a drag between two lines
            EXPECT_EQ(bar->value() % rowHeight, 0);
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            EXPECT_EQ(bar->value() % rowHeight, 0);
        }
    }
    // A cleared table has nothing to scroll.
    f.Find<QComboBox>("PDetectionComboBox")->setCurrentIndex(0);
    QApplication::processEvents();
    for (const QString key : {"CI", "CR"}) {
        auto* box = f.Find<QScrollArea>("P" + key + "ScrollBox");
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << key.toStdString();
    }
}

// Regression: the heads stood over the wrong columns and "Data sets" ran past the box.
TEST(DetectionTables, EachHeadStandsOverItsColumnForEveryNWidth) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    for (const QString key : {"CI", "CR"}) {
        auto* heads = f.Window->findChild<kvor::TColumnHeads*>("P" + key + "HeaderLabel");
        ASSERT_NE(heads, nullptr);
        EXPECT_EQ(heads->text(), "   N       Detection    Data sets");
        const QWidget* viewport = f.Find<QScrollArea>("P" + key + "ScrollBox")->viewport();
        const QWidget* sheet = f.Find("PowerTabSheet");
        EXPECT_EQ(heads->mapTo(sheet, QPoint(0, 0)).x(), viewport->mapTo(sheet, QPoint(0, 0)).x());
        for (int w = 1; w <= 4; ++w) {
            SCOPED_TRACE(w);
            heads->SetNWidth(w);
            const QList<QRect> head = heads->HeadRects();
            const QList<QRect> column = heads->ColumnRects();
            ASSERT_EQ(head.size(), 3);
            for (int i = 0; i < 3; ++i) {
                EXPECT_GE(head[i].left(), 0) << i;
                EXPECT_LE(head[i].right(), viewport->width() - 1) << i;
                EXPECT_GE(head[i].center().x(), column[i].left()) << i;
                EXPECT_LE(head[i].center().x(), column[i].right()) << i;
                if (i > 0) {
                    EXPECT_GT(head[i].left(), head[i - 1].right()) << i;
                }
            }
            // The columns are where the table paints its text.
            EXPECT_EQ(column[2].right() + 1,
                      QFontMetrics(QFont("Courier New", 9))
                          .horizontalAdvance(QString(kvor::DetectionLineLength, '8')));
        }
    }
}

} // namespace
