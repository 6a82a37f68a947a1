#pragma once

#include "platform/MessageService.h"

#include <QList>
#include <deque>

namespace kvor {

// Records beeps and messages and answers from a queue; with the queue empty every question
// gets its first button (Ok or Yes).
class ScriptedMessageService final : public MessageService {
public:
    struct Shown {
        MessageKind Kind;
        QString Text;
        MessageButtons Buttons;
    };

    void MessageBeep() override { ++m_beeps; }
    MessageAnswer ShowMessage(MessageKind kind, const QString& text,
                              MessageButtons buttons) override;

    void QueueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    int Beeps() const { return m_beeps; }
    const QList<Shown>& Messages() const { return m_messages; }
    void Clear();

private:
    int m_beeps = 0;
    QList<Shown> m_messages;
    std::deque<MessageAnswer> m_answers;
};

} // namespace kvor
