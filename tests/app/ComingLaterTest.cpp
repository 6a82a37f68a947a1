#include "MainWindowFixture.h"
#include "app/KVORPageControl.h"
#include "app/MainTexts.h"

#include <QPushButton>
#include <QTest>

namespace {

// Regression: the buttons of windows still to come did nothing, so nobody could tell "not
// built" from "broken".
TEST(ComingLater, EachButtonSaysItsWindowIsNotAvailableYet) {
    const char* names[] = {"AVFButton", "PVFButton"};
    for (const char* name : names) {
        MainWindowFixture f;
        f.Window->pageControl()->setCurrentIndex(name[0] == 'P' ? 1 : 0);
        auto* button = f.Find<QPushButton>(name);
        button->setEnabled(true); // as once its data are there
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(f.Messages.Messages().size(), 1) << name;
        const auto& shown = f.Messages.Messages().front();
        EXPECT_EQ(shown.Kind, kvor::MessageKind::Information) << name;
        EXPECT_EQ(shown.Text, kvor::MainTexts::NotAvailableYet(button->text())) << name;
        EXPECT_FALSE(shown.Text.contains('&')) << name;
        EXPECT_EQ(f.Messages.Beeps(), 1) << name;
    }
}

} // namespace
