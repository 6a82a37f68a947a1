#include "app/KVORMainForm.h"

#include <QTabWidget>
#include <gtest/gtest.h>

TEST(TKVORMain, ShowsTheTwoStudyTabsAtTheFixedClientSize) {
    kvor::TKVORMain window;
    auto* pages = window.findChild<QTabWidget*>("KVORPageControl");
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(0), " &Accuracy ");
    EXPECT_EQ(pages->tabText(1), " &Power  ");
    EXPECT_EQ(pages->widget(0)->objectName(), "AccuracyTabSheet");
    EXPECT_EQ(pages->widget(1)->objectName(), "PowerTabSheet");
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(window.size(), QSize(1004, 717));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}
