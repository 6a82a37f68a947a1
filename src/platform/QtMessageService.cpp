#include "platform/QtMessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace kvor {

void QtMessageService::MessageBeep() {
    QApplication::beep();
}

MessageAnswer QtMessageService::ShowMessage(MessageKind kind, const QString& text,
                                            MessageButtons buttons) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title = QStringLiteral("Information");
    switch (kind) {
    case MessageKind::Error:
        icon = QMessageBox::Critical;
        title = QStringLiteral("Error");
        break;
    case MessageKind::Warning:
        icon = QMessageBox::Warning;
        title = QStringLiteral("Warning");
        break;
    case MessageKind::Confirmation:
        icon = QMessageBox::Question;
        title = QStringLiteral("Confirm");
        break;
    case MessageKind::Information:
        break;
    }
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == MessageButtons::OkCancel) {
        standard = QMessageBox::Ok | QMessageBox::Cancel;
    } else if (buttons == MessageButtons::YesNo) {
        standard = QMessageBox::Yes | QMessageBox::No;
    }
    QMessageBox box(icon, title, text, standard, m_parent);
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace kvor
