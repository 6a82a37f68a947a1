#pragma once

#include <QChar>
#include <QLineEdit>
#include <QString>

class QKeyEvent;
class QMenu;

namespace kvor {

// Helpers shared by the two numeric edit components.
namespace EditKeyRules {

// The text without its selected part holds c.
bool HoldsOutsideSelection(const QLineEdit& edit, QChar c);

// Where a typed character would go: the start of the selection, else the caret.
int InsertPosition(const QLineEdit& edit);

// Paste, cut and their menu items are refused by both components.
bool IsCutOrPaste(const QKeyEvent& event);
void RemoveCutAndPaste(QMenu& menu);

// Font height, a quarter of the smaller of the font and system font heights, four border
// widths and two pixels: the least height of both edits.
int MinimumEditHeight(const QLineEdit& edit);

} // namespace EditKeyRules
} // namespace kvor
