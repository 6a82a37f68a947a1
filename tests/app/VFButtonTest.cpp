#include "MainWindowFixture.h"
#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "app/KVORPageControl.h"
#include "graphs/ui/KVORVarianceFunctionsForm.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

// What the plot showed while it was open.
struct Opened {
    QString Caption;
    int Messages = -1; // messages shown before the dialog
    bool MainEnabled = false;
    QString Popup;
    QString HelpTitle;
    QStringList WithoutPopup; // controls of the dialog that have no popup text
};

// Presses the button and closes the plot as soon as it is shown.
Opened PressAndClose(MainWindowFixture& f, const QString& button) {
    Opened seen;
    QTimer::singleShot(0, [&] {
        auto* dialog =
            qobject_cast<kvor::TKVORVarianceFunctions*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen.Caption = dialog->windowTitle();
        seen.Messages = static_cast<int>(f.Messages.Messages().size());
        seen.MainEnabled = f.Window->isEnabled();
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            const bool operated = qobject_cast<QAbstractButton*>(control) != nullptr ||
                                  qobject_cast<QComboBox*>(control) != nullptr ||
                                  control->objectName().startsWith("VFID") ||
                                  control->objectName() == "VFImage";
            if (operated && f.Window->Help().PopupText(kvor::HelpContextOf(control)).size() < 40) {
                seen.WithoutPopup << control->objectName();
            }
        }
        QWidget* log = dialog->findChild<QWidget*>("XLogCheckBox");
        emit log->customContextMenuRequested(log->rect().center());
        if (QLabel* popup = f.Window->Help().Popup(); popup != nullptr && popup->isVisible()) {
            seen.Popup = popup->text();
        }
        f.Window->Help().ClosePopup();
        dialog->findChild<QPushButton*>("HelpButton")->click();
        if (QWidget* page = f.Window->Help().HelpWindow()) {
            seen.HelpTitle = page->windowTitle();
        }
        dialog->reject();
    });
    QTest::mouseClick(f.Find<QPushButton>(button), Qt::LeftButton);
    QApplication::processEvents(); // the timer has run when no plot opened
    return seen;
}

TEST(AVFButtonClick, DemingWithANowherePositiveYFunctionPlotsXAloneAfterAWarning) {
    MainWindowFixture f;
    f.Find<QAbstractButton>("ADemingRadioButton")->click();
    f.Find<QAbstractButton>("AYF2RadioButton")->click();
    f.Retype("AYB1Edit", "-1");
    f.Retype("AYB2Edit", "0");
    f.Find<QAbstractButton>("AXF3RadioButton")->click();
    f.Retype("AXB1Edit", "0.5");
    f.Retype("AXB2Edit", "0.001");
    f.Retype("AXJEdit", "2");
    // The last entry is still being typed in: the button commits it first.
    QWidget* j = f.Find("AXJEdit");
    j->setFocus(Qt::TabFocusReason);
    KeyInput::Key(j, Qt::Key_A, Qt::ControlModifier);
    KeyInput::Clicks(j, "2");

    const Opened seen = PressAndClose(f, "AVFButton");
    EXPECT_EQ(seen.Caption, " X-Variance Function");
    EXPECT_EQ(seen.Messages, 1);
    EXPECT_TRUE(seen.MainEnabled);
    constexpr int LogMeanHelp = 826;
    EXPECT_EQ(seen.Popup, f.Window->Help().PopupText(LogMeanHelp));
    EXPECT_FALSE(seen.Popup.isEmpty());
    EXPECT_TRUE(seen.WithoutPopup.isEmpty()) << seen.WithoutPopup.join(' ').toStdString();
    const QRegularExpressionMatch title =
        QRegularExpression("<title>(.*)</title>").match(kvor::THelpSystem::TopicHtml(800));
    ASSERT_TRUE(title.hasMatch());
    EXPECT_EQ(seen.HelpTitle, "KVOR Help - " + title.captured(1));
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    const auto& warning = f.Messages.Messages().front();
    EXPECT_EQ(warning.Kind, kvor::MessageKind::Warning);
    EXPECT_TRUE(warning.Text.startsWith("The Y-variance function predicts zero or negative "
                                        "variances over the entire range of target Y-values"))
        << warning.Text.toStdString();
    EXPECT_EQ(f.Messages.Beeps(), 1);
    // Afterwards the focus is on the entry the message names.
    EXPECT_EQ(f.Window->focusWidget(), f.Find("AYB1Edit"));
    // What the plot examined stays until the design changes.
    EXPECT_EQ(f.Window->Context().VFCurves().FirstFunction, 2);
    f.Retype("AXB1Edit", "0.6");
    EXPECT_EQ(f.Window->Context().VFCurves().FirstFunction, 0);
}

TEST(PVFButtonClick, NothingPlottableGivesErrorsWithoutThePlot) {
    MainWindowFixture f;
    f.Window->pageControl()->setCurrentIndex(1);
    f.Find<QAbstractButton>("PWLSRadioButton")->click();
    f.Find<QAbstractButton>("PYF2RadioButton")->click();
    f.Retype("PYB1Edit", "-1");
    f.Retype("PYB2Edit", "0");
    const Opened seen = PressAndClose(f, "PVFButton");
    EXPECT_TRUE(seen.Caption.isEmpty());
    ASSERT_EQ(f.Messages.Messages().size(), 1);
    EXPECT_EQ(f.Messages.Messages().front().Kind, kvor::MessageKind::Error);
    EXPECT_TRUE(f.Messages.Messages().front().Text.contains("actual Slope and Intercept"));
    EXPECT_EQ(f.Window->focusWidget(), f.Find("PYB1Edit"));
}

} // namespace
