#include "import/ui/DialogHelp.h"

#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "app/MainTexts.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

#include <memory>

namespace kvor {

namespace {

// The title bar's help button: the control clicked next shows its popup.
class WhatsThisClicks : public QObject {
public:
    WhatsThisClicks(THelpSystem& help, QObject* parent) : QObject(parent), m_help(help) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WhatsThis || !watched->isWidgetType()) {
            return false;
        }
        m_help.ShowPopup(static_cast<QWidget*>(watched), QCursor::pos());
        return true;
    }

private:
    THelpSystem& m_help;
};

} // namespace

void InstallDialogHelp(QDialog& dialog, const DialogServices& services, QPushButton& helpButton,
                       int topic) {
    THelpSystem* help = services.Help;
    QObject::connect(&helpButton, &QPushButton::clicked, &dialog, [help, topic] {
        if (help != nullptr) {
            help->ShowTopic(topic);
        }
    });
    if (help == nullptr) {
        return;
    }
    auto* menu = new QMenu(&dialog);
    QAction* whatsThis = menu->addAction(MainTexts::WhatsThis);
    const auto target = std::make_shared<QPointer<QWidget>>();
    QObject::connect(whatsThis, &QAction::triggered, &dialog, [help, target] {
        if (!target->isNull()) {
            help->ShowPopup(*target, QCursor::pos());
        }
    });
    auto* clicks = new WhatsThisClicks(*help, &dialog);
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (HelpContextOf(control) == 0) {
            continue;
        }
        control->installEventFilter(clicks);
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(control, &QWidget::customContextMenuRequested, &dialog,
                         [menu, control, target](const QPoint& at) {
                             *target = control;
                             menu->popup(control->mapToGlobal(at));
                         });
    }
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
    QObject::connect(f1, &QShortcut::activated, &dialog, [help, &dialog] {
        QWidget* focused = QApplication::focusWidget();
        help->ShowPopup(focused != nullptr && dialog.isAncestorOf(focused) ? focused : &dialog,
                        QCursor::pos());
    });
}

void MakeFixedHelpDialog(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace kvor
