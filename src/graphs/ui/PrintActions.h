#pragma once

#include <QString>

class QWidget;

namespace kvor {

class GraphOutputContext;
class PrinterService;

// The resolution pre-check of every Printer Setup and Print action.
bool PrinterPreCheck(PrinterService& printer);

// 1: the current printer can be used; -1: the default printer was put in its place and can be
// used; 0: no usable printer.
int CheckPrinter(PrinterService& printer);

// Printer Setup: nothing at all without a printer; the set-up dialog otherwise (then `parent` is
// repainted), and the warning when it could not be shown.
void PrinterSetupAction(GraphOutputContext& output, QWidget* parent);

// Print up to the printing itself: the printer checks and their messages, PrintState = code and
// the progress dialog. True when the page is to be printed now.
bool StartPrintAction(GraphOutputContext& output, QWidget* owner, int printStateCode);

// After printing: the error message when PrintState went negative.
void FinishPrintAction(GraphOutputContext& output, const QString& errorText);

// Asks for an export file name of the kind in `folder`; empty when cancelled or refused.
QString ChooseExportFileName(GraphOutputContext& output, QWidget* parent, const QString& folder,
                             int kind);

} // namespace kvor
