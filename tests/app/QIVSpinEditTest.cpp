#include "app/QIVSpinEdit.h"
#include "KeyInput.h"
#include "platform/ScriptedMessageService.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct SpinFixture {
    SpinFixture(int min, int max, const QString& text) {
        auto* layout = new QHBoxLayout(&Window);
        Edit = new kvor::TQIVSpinEdit(&Window);
        Other = new QPushButton("other", &Window);
        layout->addWidget(Edit);
        layout->addWidget(Other);
        Edit->SetMinValue(min);
        Edit->SetMaxValue(max);
        Edit->SetMessageService(&Messages);
        Edit->setText(text);
        Window.resize(200, 40);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Edit->setFocus(Qt::MouseFocusReason);
    }

    QWidget Window;
    kvor::TQIVSpinEdit* Edit;
    QPushButton* Other;
    kvor::ScriptedMessageService Messages;
};

TEST(TQIVSpinEdit, EmptiedEditBecomesTheLowerBoundOnExit) {
    SpinFixture f(3, 5000, "100");
    f.Edit->selectAll();
    KeyInput::Key(f.Edit, Qt::Key_Backspace);
    EXPECT_EQ(f.Edit->text(), "");
    f.Other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(f.Edit->text(), "3");
}

TEST(TQIVSpinEdit, UpAtTheUpperBoundBeepsAndKeepsTheValue) {
    SpinFixture f(3, 5000, "5000");
    KeyInput::Key(f.Edit, Qt::Key_Up);
    EXPECT_EQ(f.Edit->text(), "5000");
    EXPECT_EQ(f.Messages.Beeps(), 1);
    KeyInput::Key(f.Edit, Qt::Key_Down);
    EXPECT_EQ(f.Edit->text(), "4999");
    EXPECT_EQ(f.Edit->cursorPosition(), 4);
}

TEST(TQIVSpinEdit, OutOfRangeValueIsClampedByAStep) {
    SpinFixture f(3, 5000, "9999");
    KeyInput::Key(f.Edit, Qt::Key_Down);
    EXPECT_EQ(f.Edit->text(), "5000");
}

TEST(TQIVSpinEdit, ReadOnlyParaEditStepsFromEmptyToZero) {
    SpinFixture f(-1, 1, "");
    f.Edit->setReadOnly(true);
    KeyInput::Clicks(f.Edit, "1");
    EXPECT_EQ(f.Edit->text(), "");
    KeyInput::Key(f.Edit, Qt::Key_Up);
    EXPECT_EQ(f.Edit->text(), "0");
    KeyInput::Key(f.Edit, Qt::Key_Down);
    KeyInput::Key(f.Edit, Qt::Key_Down);
    EXPECT_EQ(f.Edit->text(), "-1");
    EXPECT_EQ(f.Messages.Beeps(), 1);
}

TEST(TQIVSpinEdit, KeyFilterRefusesWhatCannotBeAnInteger) {
    SpinFixture f(3, 5000, "");
    KeyInput::Clicks(f.Edit, "-1.2x3");
    EXPECT_EQ(f.Edit->text(), "123");
    EXPECT_EQ(f.Messages.Beeps(), 3);
    SpinFixture g(-1000, 1000, "");
    KeyInput::Clicks(g.Edit, "-5-");
    EXPECT_EQ(g.Edit->text(), "-5");
    g.Edit->SetEditorEnabled(false);
    KeyInput::Clicks(g.Edit, "7");
    EXPECT_EQ(g.Edit->text(), "-5");
}

TEST(TQIVSpinButton, ShortClickStepsOnceAtTheRelease) {
    SpinFixture f(3, 5000, "100");
    auto* up = f.Edit->Button()->UpButton();
    f.Other->setFocus();
    KeyInput::Mouse(up, QEvent::MouseButtonPress);
    EXPECT_EQ(f.Edit->text(), "100");
    EXPECT_TRUE(f.Edit->hasFocus());
    KeyInput::Mouse(up, QEvent::MouseButtonRelease);
    EXPECT_EQ(f.Edit->text(), "101");
    EXPECT_FALSE(up->RepeatTimer().isActive());
}

TEST(TQIVSpinButton, HeldButtonRepeatsAfter400ThenEvery100Ms) {
    SpinFixture f(3, 5000, "100");
    auto* down = f.Edit->Button()->DownButton();
    KeyInput::Mouse(down, QEvent::MouseButtonPress);
    ASSERT_TRUE(down->RepeatTimer().isActive());
    EXPECT_EQ(down->RepeatTimer().interval(), 400);
    EXPECT_EQ(f.Edit->text(), "100");
    down->RepeatTick();
    EXPECT_EQ(f.Edit->text(), "99");
    EXPECT_EQ(down->RepeatTimer().interval(), 100);
    down->RepeatTick();
    EXPECT_EQ(f.Edit->text(), "98");
    // Dragged off the button: ticks step no more.
    QMouseEvent away(QEvent::MouseMove, QPointF(-50, -50),
                     QPointF(down->mapToGlobal(QPoint(-50, -50))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(down, &away);
    down->RepeatTick();
    EXPECT_EQ(f.Edit->text(), "98");
    KeyInput::Mouse(down, QEvent::MouseButtonPress);
    KeyInput::Mouse(down, QEvent::MouseButtonRelease);
    EXPECT_EQ(f.Edit->text(), "97"); // the release over the button is a click
    EXPECT_FALSE(down->RepeatTimer().isActive());
}

} // namespace

namespace {

TEST(TQIVSpinButton, KeysOfAFocusedSpinButtonStepTheEdit) {
    SpinFixture f(3, 5000, "100");
    f.Edit->setFocusPolicy(Qt::NoFocus);
    kvor::TQIVSpinButton* pair = f.Edit->Button();
    pair->SetTabStop(true);
    // The edit cannot take the focus, so a press gives it to the spin button.
    KeyInput::Mouse(pair->DownButton(), QEvent::MouseButtonPress);
    KeyInput::Mouse(pair->DownButton(), QEvent::MouseButtonRelease);
    EXPECT_TRUE(pair->hasFocus());
    EXPECT_EQ(pair->FocusedButton(), pair->DownButton());
    EXPECT_EQ(f.Edit->text(), "99");
    KeyInput::Key(pair, Qt::Key_Space);
    EXPECT_EQ(f.Edit->text(), "98");
    KeyInput::Key(pair, Qt::Key_Up);
    EXPECT_EQ(pair->FocusedButton(), pair->UpButton());
    EXPECT_EQ(f.Edit->text(), "99");
    KeyInput::Key(pair, Qt::Key_Space);
    EXPECT_EQ(f.Edit->text(), "100");
}

} // namespace
