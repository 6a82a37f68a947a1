#include "MainWindowFixture.h"
#include "app/AccuracyTab.h"
#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/KVORSampleLinesForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

TEST(ALinesButtonClick, OpensTheSamplingLinesOfTheLatestRun) {
    MainWindowFixture f;
    f.Retype("ASizeSpinEdit", "10");
    f.Find<QCheckBox>("ASeedCheckBox")->setChecked(true);
    f.Find<QPushButton>("AStartButton")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.Window->AccuracyTab()->RunActive(); }, 120000));
    auto* lines = f.Find<QPushButton>("ALinesButton");
    ASSERT_TRUE(lines->isEnabled());

    QString caption;
    int pictureWidth = 0;
    bool mainEnabled = false;
    QString helpTitle;
    QString popupText;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<kvor::TKVORSampleLines*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        caption = dialog->windowTitle();
        pictureWidth = dialog->Picture().width();
        mainEnabled = f.Window->isEnabled();
        // The Help button opens the dialog's topic page; a right click shows a control's popup.
        dialog->findChild<QPushButton*>("HelpButton")->click();
        if (QWidget* page = f.Window->Help().HelpWindow()) {
            helpTitle = page->windowTitle();
        }
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (kvor::HelpContextOf(control) == 1010) {
                emit control->customContextMenuRequested(control->rect().center());
                break;
            }
        }
        if (QLabel* popup = f.Window->Help().Popup(); popup != nullptr && popup->isVisible()) {
            popupText = popup->text();
        }
        f.Window->Help().ClosePopup();
        dialog->reject();
    });
    QTest::mouseClick(lines, Qt::LeftButton);
    EXPECT_EQ(caption, "  OLS Regression Accuracy");
    EXPECT_GT(pictureWidth, 0);
    EXPECT_TRUE(mainEnabled);
    const QRegularExpressionMatch title =
        QRegularExpression("<title>(.*)</title>").match(kvor::THelpSystem::TopicHtml(1000));
    ASSERT_TRUE(title.hasMatch());
    EXPECT_EQ(helpTitle, "KVOR Help - " + title.captured(1));
    EXPECT_EQ(popupText, f.Window->Help().PopupText(1010));
    EXPECT_TRUE(f.Window->isEnabled());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    // The run's end decided the zero origin of the plot.
    const kvor::GraphOptions& options = f.Window->Context().Output().DesignOptions;
    EXPECT_EQ(options.LinesZeroOriginForced, options.LinesZeroOrigin);
    EXPECT_FALSE(options.ExtendLines);
}

} // namespace
