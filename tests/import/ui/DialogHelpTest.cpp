#include "DialogFixture.h"
#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "import/ui/TKVORDataViewer.h"
#include "import/ui/TKVORImportXY.h"
#include "import/ui/TKVORPasteCB.h"
#include "import/ui/TKVORViewImport.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>

#include <functional>

#include <set>
#include <vector>

namespace {

// Every control of the four windows that has a help id has a popup text to show for it.
TEST(ImportDialogHelp, EveryControlWithAHelpIdHasAPopupText) {
    DialogFixture f;
    const kvor::THelpSystem help;
    QApplication::clipboard()->setText("1\t2\n");
    const kvor::DialogServices services{f.Context, nullptr, {}};
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<kvor::TKVORImportXY>(services, f.Buffer,
                                                            kvor::ImportKind::Accuracy, nullptr));
    windows.push_back(
        std::make_unique<kvor::TKVORPasteCB>(services, f.Buffer, kvor::ImportKind::Power, nullptr));
    for (const auto mode :
         {kvor::TKVORDataViewer::Mode::File, kvor::TKVORDataViewer::Mode::Clipboard}) {
        windows.push_back(std::make_unique<kvor::TKVORDataViewer>(services, mode, nullptr));
    }
    windows.push_back(std::make_unique<kvor::TKVORViewImport>(services, f.Buffer, true, nullptr));
    std::set<int> ids;
    for (const auto& window : windows) {
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            const int id = kvor::HelpContextOf(control);
            if (id != 0) {
                ids.insert(id);
                EXPECT_GT(help.PopupText(id).size(), 40)
                    << control->objectName().toStdString() << " help id " << id;
            }
        }
    }
    EXPECT_EQ(ids.size(), 22u) << "12 + 5 + 4 + 1 ids of the four windows";
    QApplication::clipboard()->clear();
}

// F1, the "What's this?" menu and the title bar's help button all show the control's popup.
TEST(ImportDialogHelp, EveryWayOfAskingShowsThePopupOfTheControl) {
    DialogFixture f;
    kvor::THelpSystem help;
    const kvor::DialogServices services{f.Context, &help, {}};
    kvor::TKVORImportXY dialog(services, f.Buffer, kvor::ImportKind::Accuracy, nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QApplication::processEvents();
    auto* browse = dialog.findChild<QWidget*>("BrowseButton");
    const auto shownFor = [&](const std::function<void()>& ask) {
        help.ClosePopup();
        // A closed popup is freed later; it must be gone before the next one is asked for.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ask();
        QApplication::processEvents();
        return help.Popup() != nullptr && help.Popup()->isVisible() ? help.Popup()->text()
                                                                    : QString();
    };
    const QString expected = help.PopupText(612);
    EXPECT_EQ(shownFor([&] {
                  browse->setFocus();
                  QTest::keyClick(browse, Qt::Key_F1);
              }),
              expected);
    EXPECT_EQ(shownFor([&] {
                  QHelpEvent event(QEvent::WhatsThis, QPoint(2, 2),
                                   browse->mapToGlobal(QPoint(2, 2)));
                  QApplication::sendEvent(browse, &event);
              }),
              expected);
    help.ClosePopup();
}

} // namespace
