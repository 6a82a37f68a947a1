#include "app/QIVEdit.h"

#include "app/EditKeyRules.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <memory>

namespace kvor {

TQIVEdit::TQIVEdit(QWidget* parent) : QLineEdit(parent) {
    setText(QStringLiteral("0"));
    setAcceptDrops(false);
}

void TQIVEdit::Beep() {
    if (m_messages != nullptr) {
        m_messages->MessageBeep();
    } else {
        QApplication::beep();
    }
}

void TQIVEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason) {
        selectAll();
    }
}

void TQIVEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving the window is not leaving the edit.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        DoExit();
    }
}

void TQIVEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept(); // selection paste
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TQIVEdit::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    EditKeyRules::RemoveCutAndPaste(*menu);
    menu->exec(event->globalPos());
}

QSize TQIVEdit::minimumSizeHint() const {
    const QSize base = QLineEdit::minimumSizeHint();
    return {base.width(), std::max(base.height(), EditKeyRules::MinimumEditHeight(*this))};
}

QSize TQIVEdit::sizeHint() const {
    const QSize base = QLineEdit::sizeHint();
    return {base.width(), std::max(base.height(), EditKeyRules::MinimumEditHeight(*this))};
}

} // namespace kvor
