#include "MainWindowFixture.h"
#include "app/AccuracyTab.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/KVORSampleLinesForm.h"

#include <QCheckBox>
#include <QPushButton>
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
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<kvor::TKVORSampleLines*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        caption = dialog->windowTitle();
        pictureWidth = dialog->Picture().width();
        mainEnabled = f.Window->isEnabled();
        dialog->reject();
    });
    QTest::mouseClick(lines, Qt::LeftButton);
    EXPECT_EQ(caption, "  OLS Regression Accuracy");
    EXPECT_GT(pictureWidth, 0);
    EXPECT_TRUE(mainEnabled);
    EXPECT_TRUE(f.Window->isEnabled());
    EXPECT_TRUE(f.Messages.Messages().isEmpty());
    // The run's end decided the zero origin of the plot.
    const kvor::GraphOptions& options = f.Window->Context().Output().DesignOptions;
    EXPECT_EQ(options.LinesZeroOriginForced, options.LinesZeroOrigin);
    EXPECT_FALSE(options.ExtendLines);
}

} // namespace
