#include "app/HelpSystem.h"
#include "MainWindowFixture.h"
#include "app/HelpContext.h"
#include "app/KVORPageControl.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTextBrowser>

namespace {

TEST(THelpSystem, EveryControlWithAHelpIdHasAPopupText) {
    MainWindowFixture f;
    const QList<QWidget*> controls = f.Window->findChildren<QWidget*>();
    int withHelp = 0;
    for (const QWidget* control : controls) {
        const int id = kvor::HelpContextOf(control);
        if (id == 0) {
            continue;
        }
        ++withHelp;
        EXPECT_GT(f.Window->Help().PopupText(id).size(), 40)
            << control->objectName().toStdString() << " help id " << id;
    }
    EXPECT_GT(withHelp, 100);
}

TEST(THelpSystem, EveryWindowTopicHasAPage) {
    for (const int topic : {200, 400, 460, 600, 602, 604, 606, 700, 800, 1000, 1100, 1200, 1260}) {
        const QString html = kvor::THelpSystem::TopicHtml(topic);
        EXPECT_TRUE(html.contains("<title>")) << topic;
        EXPECT_GT(html.size(), 300) << topic;
    }
    EXPECT_TRUE(kvor::THelpSystem::TopicHtml(12345).isEmpty());
}

TEST(ParsePopupFile, ReadsOneTextPerTopicLine) {
    const auto popups =
        kvor::ParsePopupFile(".topic 10\nFirst line\n\nsecond paragraph\n.topic 12\nOther\n");
    ASSERT_EQ(popups.size(), 2);
    EXPECT_EQ(popups.value(10), "First line\n\nsecond paragraph");
    EXPECT_EQ(popups.value(12), "Other");
}

TEST(PopupPosition, CursorOnTallControlsCentreOrLowerMiddleOtherwise) {
    const QRect tall(100, 200, 50, 80);
    EXPECT_EQ(kvor::PopupPosition(tall, QPoint(110, 210)), QPoint(110, 210));
    EXPECT_EQ(kvor::PopupPosition(tall, QPoint(150, 280)), QPoint(150, 280)); // edge included
    EXPECT_EQ(kvor::PopupPosition(tall, QPoint(151, 210)), QPoint(125, 240));
    const QRect low(100, 200, 50, 21);
    EXPECT_EQ(kvor::PopupPosition(low, QPoint(110, 210)), QPoint(125, 218));
    EXPECT_EQ(kvor::PopupPosition(QRect(0, 0, 10, 60), QPoint(500, 500)), QPoint(5, 30));
}

void ExpectPopupFor(MainWindowFixture& f, int helpId) {
    QLabel* popup = f.Window->Help().Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->text(), f.Window->Help().PopupText(helpId));
    EXPECT_EQ(popup->palette().color(QPalette::Window), QColor(255, 255, 234));
    EXPECT_EQ(popup->font().family(), "Arial");
    EXPECT_EQ(popup->font().pointSize(), 9);
    popup->close();
}

TEST(THelpSystem, F1ShowsThePopupOfTheFocusedControl) {
    MainWindowFixture f;
    QWidget* edit = f.Find("AMaxNumEdit");
    edit->setFocus(Qt::TabFocusReason);
    KeyInput::Key(edit, Qt::Key_F1);
    ExpectPopupFor(f, 214);
    EXPECT_EQ(f.Find<QLineEdit>("AMaxNumEdit")->text(), "100");
}

TEST(THelpSystem, WhatsThisMenuItemShowsThePopupOfTheControlItWasOpenedOn) {
    MainWindowFixture f;
    QWidget* button = f.Find("AVFButton");
    QContextMenuEvent event(QContextMenuEvent::Mouse, button->rect().center(),
                            button->mapToGlobal(button->rect().center()));
    QApplication::sendEvent(button, &event);
    auto* menu = f.Find<QMenu>("KVORMainPM");
    ASSERT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), "What's this?");
    menu->actions().front()->trigger();
    menu->close();
    ExpectPopupFor(f, 263);
}

TEST(THelpSystem, HelpButtonsOpenTheTopicOfTheirTabAndClosingTheWindowClosesIt) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("AHelpButton")->click();
    auto* window = qobject_cast<QTextBrowser*>(f.Window->Help().HelpWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->documentTitle(), "The Accuracy tab");
    f.Window->pageControl()->setCurrentIndex(1);
    f.Find<QAbstractButton>("PHelpButton")->click();
    EXPECT_EQ(window->documentTitle(), "The Power tab");
    f.Window->close();
    QApplication::processEvents();
    EXPECT_EQ(f.Window->Help().HelpWindow(), nullptr);
}

} // namespace
