#include "platform/ScriptedMessageService.h"

namespace kvor {

MessageAnswer ScriptedMessageService::ShowMessage(MessageKind kind, const QString& text,
                                                  MessageButtons buttons) {
    m_messages.append({kind, text, buttons});
    if (!m_answers.empty()) {
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

void ScriptedMessageService::Clear() {
    m_beeps = 0;
    m_messages.clear();
    m_answers.clear();
}

} // namespace kvor
