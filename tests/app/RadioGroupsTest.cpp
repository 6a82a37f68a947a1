#include "MainWindowFixture.h"
#include "app/AccuracyTab.h"
#include "app/KVORPageControl.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// Every radio group of both tabs, in a state in which all its buttons can be used.
const std::vector<QStringList> Groups = {
    {"AGenerateRadioButton", "AReadRadioButton"},
    {"AUniformRadioButton", "ACentralRadioButton", "ASkewedRadioButton"},
    {"AOLSRadioButton", "AWLSRadioButton", "ADemingRadioButton"},
    {"AYF2RadioButton", "AYF3RadioButton", "AYF4RadioButton"},
    {"AXF2RadioButton", "AXF3RadioButton", "AXF4RadioButton"},
    {"ARandomRadioButton", "ASequentialRadioButton"},
    {"PGenerateRadioButton", "PReadRadioButton"},
    {"PUniformRadioButton", "PCentralRadioButton", "PSkewedRadioButton"},
    {"POLSRadioButton", "PWLSRadioButton", "PDemingRadioButton"},
    {"PYF2RadioButton", "PYF3RadioButton", "PYF4RadioButton"},
    {"PXF2RadioButton", "PXF3RadioButton", "PXF4RadioButton"},
    {"PAutoRadioButton", "PManualRadioButton"},
};

QList<QAbstractButton*> Buttons(MainWindowFixture& f, const QStringList& names) {
    QList<QAbstractButton*> buttons;
    for (const QString& name : names) {
        buttons << f.Find<QAbstractButton>(name);
    }
    return buttons;
}

int CheckedCount(const QList<QAbstractButton*>& buttons) {
    return static_cast<int>(
        std::count_if(buttons.begin(), buttons.end(), [](auto* b) { return b->isChecked(); }));
}

// Deming, so that the X group is enabled; on the Accuracy tab imported pairs, so that the
// sampling group is, except for the X distribution, which belongs to generated pairs.
void EnableGroup(MainWindowFixture& f, const QStringList& names) {
    const bool onPowerTab = names.front().startsWith('P');
    f.Window->pageControl()->setCurrentIndex(onPowerTab ? 1 : 0);
    const QString tab = onPowerTab ? "P" : "A";
    f.Find<QAbstractButton>(tab + "DemingRadioButton")->click();
    if (!onPowerTab) {
        f.Find<QAbstractButton>("AReadRadioButton")->click();
        f.Window->AccuracyTab()->ImportedData().Count = 5000;
        f.Window->AccuracyTab()->ImportCommitted("5000 X, Y pairs", "", true);
    }
    if (names.front().endsWith("UniformRadioButton")) {
        f.Find<QAbstractButton>(tab + "GenerateRadioButton")->click();
    }
}

enum class Action { Click, DoubleClick, Space, Down, Up };

// On the indicator: a button stretched by its layout is not hit beyond its text.
QPoint OnIndicator(const QAbstractButton* button) {
    return {6, button->height() / 2};
}

void Apply(QAbstractButton* button, Action action) {
    button->setFocus(Qt::TabFocusReason);
    switch (action) {
    case Action::Click:
        QTest::mouseClick(button, Qt::LeftButton, {}, OnIndicator(button));
        break;
    case Action::DoubleClick:
        QTest::mouseDClick(button, Qt::LeftButton, {}, OnIndicator(button));
        break;
    case Action::Space:
        QTest::keyClick(button, Qt::Key_Space);
        break;
    case Action::Down:
        QTest::keyClick(button, Qt::Key_Down);
        break;
    case Action::Up:
        QTest::keyClick(button, Qt::Key_Up);
        break;
    }
}

// Regression: the two data-source buttons could both be checked, or neither.
TEST(RadioGroups, EveryClickAndKeyLeavesExactlyOneButtonChecked) {
    const Action actions[] = {Action::Click, Action::DoubleClick, Action::Space, Action::Down,
                              Action::Up};
    for (const QStringList& names : Groups) {
        SCOPED_TRACE(names.join(", ").toStdString());
        MainWindowFixture f;
        EnableGroup(f, names);
        const QList<QAbstractButton*> buttons = Buttons(f, names);
        for (QAbstractButton* b : buttons) {
            ASSERT_TRUE(b->isEnabled()) << b->objectName().toStdString();
        }
        // Every button in turn, every way, twice over, so that checked ones are hit too.
        for (int round = 0; round < 2; ++round) {
            for (QAbstractButton* button : buttons) {
                for (const Action action : actions) {
                    Apply(button, action);
                    EXPECT_EQ(CheckedCount(buttons), 1) << button->objectName().toStdString()
                                                        << " action " << static_cast<int>(action);
                    if (action == Action::Click || action == Action::DoubleClick) {
                        EXPECT_TRUE(button->isChecked()) << button->objectName().toStdString();
                    }
                }
            }
        }
    }
}

// A click on the checked button is no change: nothing toggles and no handler runs.
TEST(RadioGroups, AChangeTogglesOnceAndClickingTheCheckedButtonChangesNothing) {
    for (const QStringList& names : Groups) {
        SCOPED_TRACE(names.join(", ").toStdString());
        MainWindowFixture f;
        EnableGroup(f, names);
        const QList<QAbstractButton*> buttons = Buttons(f, names);
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (QAbstractButton* b : buttons) {
            spies.push_back(std::make_unique<QSignalSpy>(b, &QAbstractButton::toggled));
        }
        const auto toggles = [&] {
            int n = 0;
            for (const auto& spy : spies) {
                n += static_cast<int>(spy->count());
                spy->clear();
            }
            return n;
        };
        QAbstractButton* other = buttons.front()->isChecked() ? buttons.back() : buttons.front();
        QTest::mouseClick(other, Qt::LeftButton, {}, OnIndicator(other));
        EXPECT_EQ(toggles(), 2); // one off, one on
        QTest::mouseClick(other, Qt::LeftButton, {}, OnIndicator(other));
        EXPECT_EQ(toggles(), 0);
        EXPECT_TRUE(other->isChecked());
    }
}

TEST(RadioGroups, TheTabFollowsTheCheckedDataSource) {
    for (const QString tab : {"A", "P"}) {
        MainWindowFixture f;
        f.Window->pageControl()->setCurrentIndex(tab == "P" ? 1 : 0);
        auto* generate = f.Find<QAbstractButton>(tab + "GenerateRadioButton");
        auto* import = f.Find<QAbstractButton>(tab + "ReadRadioButton");
        for (QAbstractButton* source : {import, generate, generate, import, import}) {
            QTest::mouseClick(source, Qt::LeftButton, {}, OnIndicator(source));
            const bool generating = source == generate;
            EXPECT_EQ(generate->isChecked(), generating);
            EXPECT_EQ(import->isChecked(), !generating);
            EXPECT_EQ(f.Find(tab + "MinNumEdit")->isEnabled(), generating);
            EXPECT_EQ(f.Find(tab + "ImportButton")->isEnabled(), !generating);
        }
    }
}

} // namespace
