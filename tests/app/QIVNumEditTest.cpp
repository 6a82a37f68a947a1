#include "app/QIVNumEdit.h"
#include "KeyInput.h"
#include "platform/ScriptedMessageService.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// An edit in a shown window with a second control to move the focus to.
struct NumEditFixture {
    NumEditFixture(double min, double max, int maxLength) {
        auto* layout = new QHBoxLayout(&Window);
        Edit = new kvor::TQIVNumEdit(&Window);
        Other = new QPushButton("other", &Window);
        layout->addWidget(Edit);
        layout->addWidget(Other);
        Edit->SetMinValue(min);
        Edit->SetMaxValue(max);
        Edit->setMaxLength(maxLength);
        Edit->SetMessageService(&Messages);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Edit->setFocus(Qt::MouseFocusReason);
        Edit->clear();
    }
    void Leave() { Other->setFocus(Qt::TabFocusReason); }

    QWidget Window;
    kvor::TQIVNumEdit* Edit;
    QPushButton* Other;
    kvor::ScriptedMessageService Messages;
};

TEST(TQIVNumEdit, MinusOnlyOnceAndOnlyAtTheStart) {
    NumEditFixture f(-100, 100, 5);
    KeyInput::Clicks(f.Edit, "-");
    EXPECT_EQ(f.Edit->text(), "-");
    EXPECT_EQ(f.Messages.Beeps(), 0);
    KeyInput::Clicks(f.Edit, "-");
    EXPECT_EQ(f.Edit->text(), "-");
    EXPECT_EQ(f.Messages.Beeps(), 1);
    KeyInput::Clicks(f.Edit, "5");
    f.Edit->setCursorPosition(0);
    KeyInput::Clicks(f.Edit, "7.");
    EXPECT_EQ(f.Edit->text(), "-5"); // no digit or separator before the minus
    EXPECT_EQ(f.Messages.Beeps(), 3);
}

TEST(TQIVNumEdit, MinusRefusedWhenTheRangeHasNoNegatives) {
    NumEditFixture f(0.001, 10000000, 8);
    KeyInput::Clicks(f.Edit, "-");
    EXPECT_EQ(f.Edit->text(), "");
    EXPECT_EQ(f.Messages.Beeps(), 1);
}

TEST(TQIVNumEdit, RefusesLettersASecondSeparatorAndSwallowsEnter) {
    NumEditFixture f(-100, 100, 5);
    KeyInput::Clicks(f.Edit, "1.0a1.");
    EXPECT_EQ(f.Edit->text(), "1.01");
    EXPECT_EQ(f.Messages.Beeps(), 2);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(f.Edit, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(f.Messages.Beeps(), 2);
    // A selected separator may be replaced by another one.
    f.Edit->setSelection(1, 1);
    KeyInput::Clicks(f.Edit, ".");
    EXPECT_EQ(f.Edit->text(), "1.01");
    EXPECT_EQ(f.Messages.Beeps(), 2);
}

TEST(TQIVNumEdit, TypedValueSurvivesLeaving) {
    NumEditFixture f(-100, 100, 5);
    KeyInput::Clicks(f.Edit, "1.01");
    f.Leave();
    EXPECT_EQ(f.Edit->text(), "1.01");
    EXPECT_DOUBLE_EQ(f.Edit->Value(), 1.01);
}

TEST(TQIVNumEdit, ValueWritesClampAndFit) {
    NumEditFixture f(-100, 100, 5);
    f.Edit->SetValue(100);
    EXPECT_EQ(f.Edit->text(), "100");
    f.Edit->SetValue(1.0 / 3.0);
    EXPECT_EQ(f.Edit->text(), ".3333");
    f.Edit->SetValue(250);
    EXPECT_EQ(f.Edit->text(), "100");
    NumEditFixture g(0, 1, 8);
    g.Edit->SetValue(0.001);
    EXPECT_EQ(g.Edit->text(), "0.001");
    g.Edit->SetValue(0.123456789);
    EXPECT_EQ(g.Edit->text(), ".1234568");
}

TEST(TQIVNumEdit, PartialTextsBecomeTheLowerBoundOrZeroOnExit) {
    struct Row {
        double Min;
        double Max;
        int Length;
        QString Typed;
        QString Expected;
    };
    const Row rows[] = {
        {1e-06, 999999999, 14, ".", "0.000001"},
        {-100, 100, 5, "-", "0"},
        {-100, 100, 5, "-.", "0"},
        {-100, 100, 5, "", "0"},
        {10, 20, 5, "", "10"},
        {0, 1000000, 8, "5000000", "1000000"},
    };
    for (const Row& row : rows) {
        NumEditFixture f(row.Min, row.Max, row.Length);
        KeyInput::Clicks(f.Edit, row.Typed);
        f.Leave();
        EXPECT_EQ(f.Edit->text(), row.Expected) << row.Typed.toStdString();
    }
}

TEST(TQIVNumEdit, KeypadDecimalTypesTheSystemSeparator) {
    NumEditFixture f(-100, 100, 5);
    f.Edit->SetDecimalSeparator(QLatin1Char(','));
    KeyInput::Clicks(f.Edit, "1");
    KeyInput::Key(f.Edit, Qt::Key_Period, Qt::KeypadModifier, ".");
    KeyInput::Clicks(f.Edit, "5");
    EXPECT_EQ(f.Edit->text(), "1,5");
    EXPECT_DOUBLE_EQ(f.Edit->Value(), 1.5);
    KeyInput::Clicks(f.Edit, ".");
    EXPECT_EQ(f.Edit->text(), "1,5");
}

TEST(TQIVNumEdit, PasteAndCutDoNothing) {
    NumEditFixture f(-100, 100, 5);
    QApplication::clipboard()->setText("42");
    KeyInput::Clicks(f.Edit, "7");
    KeyInput::Key(f.Edit, Qt::Key_V, Qt::ControlModifier);
    KeyInput::Key(f.Edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(f.Edit->text(), "7");
    f.Edit->selectAll();
    KeyInput::Key(f.Edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(f.Edit->text(), "7");
}

} // namespace
