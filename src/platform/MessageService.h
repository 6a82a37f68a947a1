#pragma once

#include "studies/MessageKind.h"

#include <QString>

namespace kvor {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Message boxes and the system beep. The window and its controls talk to this interface only,
// so a test can read every text and answer every question without a modal window.
class MessageService {
public:
    virtual ~MessageService() = default;

    // The default system sound; every message box is preceded by it.
    virtual void MessageBeep() = 0;
    virtual MessageAnswer ShowMessage(MessageKind kind, const QString& text,
                                      MessageButtons buttons) = 0;
};

} // namespace kvor
