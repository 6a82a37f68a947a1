#include "MainWindowFixture.h"
#include "app/HelpSystem.h"
#include "app/QIVEdit.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

QLabel* ShowPopupByF1(MainWindowFixture& f, QWidget* control) {
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, Qt::Key_F1);
    QLabel* popup = f.Window->Help().Popup();
    EXPECT_NE(popup, nullptr);
    EXPECT_TRUE(popup != nullptr && popup->isVisible());
    return popup;
}

// Regression: the popup kept every key and click from the window until the program was killed.
TEST(HelpPopup, EscapeAClickAnywhereAndLosingTheFocusCloseIt) {
    MainWindowFixture f;
    QWidget* slope = f.Find("ATargetSlopeNumEdit");

    QLabel* popup = ShowPopupByF1(f, slope);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(slope->hasFocus());

    // A click elsewhere closes it and does its usual work in the same click.
    popup = ShowPopupByF1(f, slope);
    auto* beep = f.Find<QCheckBox>("ABeepCheckBox");
    QTest::mouseClick(beep, Qt::LeftButton, {}, QPoint(6, beep->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(beep->isChecked());

    // A click on the popup itself only closes it.
    popup = ShowPopupByF1(f, slope);
    QTest::mouseClick(popup, Qt::LeftButton);
    EXPECT_FALSE(popup->isVisible());

    // The program losing the focus closes it.
    popup = ShowPopupByF1(f, slope);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(f.Window.get(), &deactivate);
    EXPECT_FALSE(popup->isVisible());

    // Any other key closes it and still reaches the edit.
    popup = ShowPopupByF1(f, slope);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(f.Find<QLineEdit>("ATargetSlopeNumEdit")->text(), "15");
}

TEST(HelpPopup, WhatsThisPopupOfARadioButtonClosesOnEscape) {
    MainWindowFixture f;
    QWidget* ols = f.Find("AOLSRadioButton");
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, ols->rect().center(),
                                ols->mapToGlobal(ols->rect().center()));
    QApplication::sendEvent(ols, &menuEvent);
    auto* menu = f.Find<QMenu>("KVORMainPM");
    ASSERT_TRUE(menu->isVisible());
    menu->actions().front()->trigger();
    menu->close();
    QLabel* popup = f.Window->Help().Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->text(), f.Window->Help().PopupText(300));
    QTest::keyClick(f.Window.get(), Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    // The window takes clicks again.
    auto* wls = f.Find<QAbstractButton>("AWLSRadioButton");
    QTest::mouseClick(wls, Qt::LeftButton, {}, QPoint(6, wls->height() / 2));
    EXPECT_TRUE(wls->isChecked());
}

// Right-clicking a numeric or spin edit, or a spin button, opens the window's "What's this?"
// menu and never the edit's own editing menu.
TEST(HelpPopup, EveryEnabledNumberEditOffersWhatsThisOnly) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("ADemingRadioButton")->click();
    f.Find<QAbstractButton>("PDemingRadioButton")->click();
    auto* mainMenu = f.Find<QMenu>("KVORMainPM");
    int checked = 0;
    for (kvor::TQIVEdit* edit : f.Window->findChildren<kvor::TQIVEdit*>()) {
        if (!edit->isEnabled()) {
            continue;
        }
        QList<QWidget*> targets{edit};
        for (QWidget* part : edit->findChildren<QWidget*>()) {
            if (part->isEnabled() && part->isVisibleTo(edit)) {
                targets << part;
            }
        }
        for (QWidget* target : targets) {
            SCOPED_TRACE(target->objectName().toStdString() + " of " +
                         edit->objectName().toStdString());
            // Whatever menu opens is read and closed, so an editing menu cannot block the test.
            QString opened;
            QTimer::singleShot(0, [&] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    opened = popup->objectName();
                    popup->close();
                }
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, target->rect().center(),
                                    target->mapToGlobal(target->rect().center()));
            QApplication::sendEvent(target, &event);
            EXPECT_TRUE(mainMenu->isVisible());
            QCoreApplication::processEvents();
            EXPECT_EQ(opened.toStdString(), "KVORMainPM");
            mainMenu->close();
            ++checked;
        }
        ASSERT_EQ(mainMenu->actions().size(), 1);
        EXPECT_EQ(mainMenu->actions().front()->text(), "What's this?");
    }
    EXPECT_GT(checked, 20);
}

} // namespace
