#pragma once

#include "platform/MessageService.h"

class QWidget;

namespace kvor {

// Modal QMessageBox and QApplication::beep.
class QtMessageService final : public MessageService {
public:
    explicit QtMessageService(QWidget* parent = nullptr) : m_parent(parent) {}

    void MessageBeep() override;
    MessageAnswer ShowMessage(MessageKind kind, const QString& text,
                              MessageButtons buttons) override;

private:
    QWidget* m_parent;
};

} // namespace kvor
