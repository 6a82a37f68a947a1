#include "VisPlotFixture.h"

#include "app/HelpContext.h"
#include "app/HelpSystem.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

using kvor::BiasType;

TEST(TKVORVisualisePlot, EveryControlOfBothViewsHasItsPopup) {
    vistest::PlotFixture f({BiasType::None, BiasType::Both}, {true, false});
    auto dialog = f.Open(1);
    const kvor::THelpSystem help;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) != nullptr ||
                             qobject_cast<QComboBox*>(w) != nullptr ||
                             qobject_cast<QSpinBox*>(w) != nullptr;
        const int id = kvor::HelpContextOf(w);
        if (control) {
            EXPECT_NE(id, 0) << w->objectName().toStdString();
        }
        if (id != 0) {
            EXPECT_GT(help.PopupText(id).size(), 30) << id;
        }
    }
    // the other captions' ids and the pictures of the views
    for (const int id : {1129, 1144, 1146, 1148, 1242, 1244}) {
        EXPECT_GT(help.PopupText(id).size(), 30) << id;
    }
}

TEST(TKVORVisualisePlot, HelpButtonsAskForTheirTopicPages) {
    vistest::PlotFixture f({BiasType::None, BiasType::Both}, {});
    auto dialog = f.Open(1);
    std::vector<int> topics;
    QObject::connect(dialog.get(), &kvor::TKVORVisualisePlot::HelpRequested,
                     [&topics](int topic) { topics.push_back(topic); });
    dialog->findChild<QAbstractButton*>("HelpButton")->click();
    dialog->findChild<QAbstractButton*>("PartitionButton")->click();
    dialog->findChild<QAbstractButton*>("HelpB")->click();
    EXPECT_EQ(topics, (std::vector<int>{1100, 1200}));
    for (const int topic : topics) {
        EXPECT_TRUE(kvor::THelpSystem::TopicHtml(topic).contains("<h2>")) << topic;
    }
}

} // namespace
