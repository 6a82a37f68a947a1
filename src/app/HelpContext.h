#pragma once

class QWidget;

namespace kvor {

// The help id of a control (0: none), kept as a widget property so the help system finds it.
void SetHelpContext(QWidget* control, int id);
int HelpContextOf(const QWidget* control);

} // namespace kvor
