#include "app/QIVEdit.h"

#include "app/EditKeyRules.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
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

bool TQIVEdit::MinusAtFront() const {
    return EditKeyRules::HoldsOutsideSelection(*this, QLatin1Char('-')) &&
           EditKeyRules::InsertPosition(*this) == 0;
}

bool TQIVEdit::AcceptsSignOrDigit(QChar c, bool negativeAllowed) const {
    if (c == QLatin1Char('-')) {
        return negativeAllowed && !EditKeyRules::HoldsOutsideSelection(*this, c) &&
               EditKeyRules::InsertPosition(*this) == 0;
    }
    return c.isDigit() && c.unicode() < 128 && !MinusAtFront();
}

bool TQIVEdit::SwallowKey(QKeyEvent& event) {
    const int key = event.key();
    if (EditKeyRules::IsCutOrPaste(event) || key == Qt::Key_Return || key == Qt::Key_Enter) {
        event.accept();
        return true;
    }
    return false;
}

bool TQIVEdit::IsEditingKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Escape ||
           event.text().isEmpty() || !event.text().front().isPrint() ||
           (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
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
