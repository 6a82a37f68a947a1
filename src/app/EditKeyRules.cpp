#include "app/EditKeyRules.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

namespace kvor::EditKeyRules {

bool HoldsOutsideSelection(const QLineEdit& edit, QChar c) {
    QString text = edit.text();
    if (edit.hasSelectedText()) {
        text.remove(edit.selectionStart(), edit.selectedText().length());
    }
    return text.contains(c);
}

int InsertPosition(const QLineEdit& edit) {
    return edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
}

bool IsCutOrPaste(const QKeyEvent& event) {
    return event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Cut);
}

void RemoveCutAndPaste(QMenu& menu) {
    const QList<QAction*> actions = menu.actions();
    for (QAction* action : actions) {
        const QString text = action->text();
        if (text.contains(QLatin1String("Paste")) || text.contains(QLatin1String("Cu&t")) ||
            text.contains(QLatin1String("Cut"))) {
            menu.removeAction(action);
        }
    }
}

} // namespace kvor::EditKeyRules
