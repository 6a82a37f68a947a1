#include "app/EditKeyRules.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

#include <algorithm>

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

int MinimumEditHeight(const QLineEdit& edit) {
    const int font = QFontMetrics(edit.font()).height();
    const int system = QFontMetrics(QApplication::font()).height();
    constexpr int BorderWidth = 1;
    return font + std::min(font, system) / 4 + 4 * BorderWidth + 2;
}

} // namespace kvor::EditKeyRules
