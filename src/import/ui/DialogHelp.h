#pragma once

#include "import/ui/DialogServices.h"

class QDialog;
class QPushButton;

namespace kvor {

// Help for one dialog: a "What's this?" menu on every control with a help id, F1 for the
// focused control, and the Help button opening the dialog's topic.
void InstallDialogHelp(QDialog& dialog, const DialogServices& services, QPushButton& helpButton,
                       int topic);

// A fixed-size dialog with the help button in its title bar.
void MakeFixedHelpDialog(QDialog& dialog);

} // namespace kvor
