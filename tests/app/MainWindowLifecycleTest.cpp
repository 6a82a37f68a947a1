#include "MainWindowFixture.h"
#include "app/Clock.h"
#include "app/KVORPageControl.h"
#include "app/QIVNumEdit.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTimer>

namespace {

TEST(ClockIntervalMs, ChangesTheMinuteWithinAQuarterSecond) {
    const struct {
        int Second;
        int Interval;
    } rows[] = {{10, 10000}, {47, 10000}, {48, 1000}, {50, 1000}, {58, 1000}, {59, 250}};
    for (const auto& row : rows) {
        EXPECT_EQ(kvor::ClockIntervalMs(12 * 3600 + 34 * 60 + row.Second), row.Interval)
            << "12:34:" << row.Second;
    }
}

TEST(ClockTimerTimer, WritesBothTimePanelsAndSchedulesTheNextTick) {
    MainWindowFixture f;
    f.Window->SetClockSource([] { return QDateTime(QDate(2026, 3, 7), QTime(9, 5, 59)); });
    f.Window->ClockTimerTimer();
    EXPECT_EQ(f.Find<QLabel>("ATimePanel")->text(), " 07/03/2026   09:05");
    EXPECT_EQ(f.Find<QLabel>("PTimePanel")->text(), " 07/03/2026   09:05");
    EXPECT_EQ(f.Window->ClockTimer().interval(), 250);
    EXPECT_TRUE(f.Window->ClockTimer().isActive());

    const int narrow = f.Find("ATimePanel")->width();
    f.Settings.SetShortDateFormat("dddd d MMMM yyyy");
    EXPECT_EQ(f.Find<QLabel>("ATimePanel")->text(), " Saturday 7 March 2026   09:05");
    EXPECT_GT(f.Find("ATimePanel")->minimumWidth(), narrow);
}

TEST(CheckSystemSettings, DecimalSeparatorChangeConvertsEveryNumberShown) {
    MainWindowFixture f;
    f.Retype("ATargetSlopeNumEdit", "1.5");
    f.Find("ASlopeMeanLabel")->setEnabled(true);
    f.Find<QLabel>("ASlopeMeanPanel")->setText("1.0012");
    f.Settings.SetDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(f.Find<QLineEdit>("ATargetSlopeNumEdit")->text(), "1,5");
    EXPECT_EQ(f.Find<QLineEdit>("PActualSlopeNumEdit")->text(), "1,01");
    auto* significance = f.Find<QComboBox>("PSignificanceComboBox");
    EXPECT_EQ(significance->itemText(0), "0,05");
    EXPECT_EQ(significance->itemText(1), "0,01");
    EXPECT_EQ(significance->currentIndex(), 0);
    EXPECT_EQ(f.Find<QLabel>("ASlopeMeanPanel")->text(), "1,0012"); // converted, not cleared
    EXPECT_DOUBLE_EQ(f.Find<kvor::TQIVNumEdit>("ATargetSlopeNumEdit")->Value(), 1.5);

    // The new separator is typed and read; the old one is refused.
    f.Retype("ATargetInterceptNumEdit", "2,25.");
    EXPECT_EQ(f.Find<QLineEdit>("ATargetInterceptNumEdit")->text(), "2,25");

    // Any separator other than a comma counts as a full stop.
    f.Settings.SetDecimalSeparator(QLatin1Char(';'));
    EXPECT_EQ(f.Find<QLineEdit>("ATargetSlopeNumEdit")->text(), "1.5");
    EXPECT_EQ(significance->itemText(1), "0.01");
}

TEST(CheckSystemSettings, ACommaSystemWritesEveryDefaultWithAComma) {
    kvor::ScriptedMessageService messages;
    kvor::ScriptedSystemSettings settings;
    settings.SetDecimalSeparator(QLatin1Char(','));
    kvor::TKVORMain window(&messages, &settings);
    EXPECT_EQ(window.findChild<QLineEdit*>("PActualSlopeNumEdit")->text(), "1,01");
    EXPECT_EQ(window.findChild<QComboBox*>("PSignificanceComboBox")->itemText(0), "0,05");
}

TEST(KVORPageControl, TabChangeDuringARunIsRefusedWithABeep) {
    MainWindowFixture f;
    QTabBar* bar = f.Window->pageControl()->tabBar();
    const QPoint power = bar->tabRect(1).center();
    f.Window->AbortFlag() = true;
    KeyInput::Mouse(bar, QEvent::MouseButtonPress, power);
    KeyInput::Mouse(bar, QEvent::MouseButtonRelease, power);
    EXPECT_EQ(f.Window->pageControl()->currentIndex(), 0);
    EXPECT_EQ(f.Messages.Beeps(), 1);

    f.Window->AbortFlag() = false;
    KeyInput::Mouse(bar, QEvent::MouseButtonPress, power);
    KeyInput::Mouse(bar, QEvent::MouseButtonRelease, power);
    EXPECT_EQ(f.Window->pageControl()->currentIndex(), 1);
    EXPECT_TRUE(f.Find("PGenerateRadioButton")->hasFocus());
}

TEST(TKVORMain, ClosingDuringARunEndsTheRun) {
    MainWindowFixture f;
    f.Window->AbortFlag() = true;
    f.Find<QAbstractButton>("PCloseButton")->click();
    EXPECT_FALSE(f.Window->isVisible());
    EXPECT_FALSE(f.Window->AbortFlag());
    EXPECT_TRUE(f.Messages.Messages().isEmpty()); // no question asked
}

TEST(TKVORMain, KeyboardRulesMoveTheFocus) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("AWLSRadioButton")->click();
    f.Find<QAbstractButton>("AYF4RadioButton")->click();
    QWidget* form4 = f.Find("AYF4RadioButton");
    form4->setFocus(Qt::TabFocusReason);
    KeyInput::Key(form4, Qt::Key_Tab);
    EXPECT_TRUE(f.Find("AYB1Edit")->hasFocus());
    // Shift+Tab from B1 with B3 shown goes back to the checked form-4 button.
    KeyInput::Key(f.Find("AYB1Edit"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(form4->hasFocus());

    QWidget* generate = f.Find("AGenerateRadioButton");
    generate->setFocus(Qt::TabFocusReason);
    KeyInput::Key(generate, Qt::Key_Down);
    EXPECT_TRUE(f.Find("AReadRadioButton")->hasFocus());
    EXPECT_TRUE(f.Find<QAbstractButton>("AGenerateRadioButton")->isChecked());

    f.Window->pageControl()->setCurrentIndex(1);
    QWidget* automatic = f.Find("PAutoRadioButton");
    automatic->setFocus(Qt::TabFocusReason);
    KeyInput::Key(automatic, Qt::Key_Right);
    EXPECT_TRUE(f.Find("PManualRadioButton")->hasFocus());
}

TEST(TKVORMain, EnterInANumericEditIsSwallowed) {
    MainWindowFixture f;
    auto* edit = f.Find<QLineEdit>("AMaxNumEdit");
    edit->setFocus(Qt::TabFocusReason);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(edit, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->text(), "100");
}

TEST(TKVORMain, PasteButtonsFollowTheClipboard) {
    MainWindowFixture f;
    QApplication::clipboard()->clear();
    f.Find<QAbstractButton>("AReadRadioButton")->click();
    EXPECT_FALSE(f.Find("APasteButton")->isEnabled());
    QApplication::clipboard()->setText("1\t2\n3\t4\n");
    QApplication::processEvents();
    EXPECT_TRUE(f.Find("APasteButton")->isEnabled());
    EXPECT_FALSE(f.Find("PPasteButton")->isEnabled()); // the Power tab generates
    f.Find("APasteButton")->setFocus(Qt::TabFocusReason);
    QApplication::clipboard()->clear();
    QApplication::processEvents();
    EXPECT_FALSE(f.Find("APasteButton")->isEnabled());
    EXPECT_TRUE(f.Find("AImportButton")->hasFocus());
}

} // namespace
