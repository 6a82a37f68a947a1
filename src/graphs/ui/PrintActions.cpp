#include "graphs/ui/PrintActions.h"

#include "graphs/ExportName.h"
#include "graphs/PrintLayout.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/OutputTexts.h"
#include "platform/FileDialogService.h"
#include "platform/MessageService.h"
#include "platform/PrinterService.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace kvor {

namespace {

void Tell(MessageService& messages, MessageKind kind, const QString& text) {
    messages.MessageBeep();
    messages.ShowMessage(kind, text, MessageButtons::Ok);
}

} // namespace

bool PrinterPreCheck(PrinterService& printer) {
    int lx = 0;
    int ly = 0;
    return printer.Resolution(lx, ly) && PrinterResolutionUsable(lx, ly);
}

int CheckPrinter(PrinterService& printer) {
    if (printer.CurrentUsable()) {
        return 1;
    }
    if (!printer.SelectDefault() || !printer.CurrentUsable()) {
        return 0;
    }
    printer.Reload();
    return -1;
}

void PrinterSetupAction(GraphOutputContext& output, QWidget* parent) {
    PrinterService& printer = output.Printer();
    output.PrinterAvailable = PrinterPreCheck(printer) && CheckPrinter(printer) != 0;
    if (!output.PrinterAvailable) {
        return;
    }
    if (!printer.ShowSetupDialog(parent)) {
        output.PrinterAvailable = false;
    }
    if (parent != nullptr) {
        parent->update();
    }
    if (!output.PrinterAvailable) {
        Tell(output.Messages(), MessageKind::Warning, OutputTexts::NoPrinter);
    }
}

bool StartPrintAction(GraphOutputContext& output, QWidget* owner, int printStateCode) {
    PrinterService& printer = output.Printer();
    output.PrinterAvailable = PrinterPreCheck(printer);
    const int found = output.PrinterAvailable ? CheckPrinter(printer) : 0;
    if (found == 0) {
        Tell(output.Messages(), MessageKind::Warning, OutputTexts::NoPrinter);
        output.PrinterAvailable = false;
        return false;
    }
    if (found == -1) {
        std::unique_ptr<PrintJob> trial = printer.BeginDoc(QString());
        if (!trial || !trial->Abort()) {
            Tell(output.Messages(), MessageKind::Error, OutputTexts::PrinterAccessError);
            return false;
        }
    }
    output.PrintState = printStateCode;
    output.ShowPrintProgress(owner, output.PrintState);
    if (owner != nullptr) {
        owner->repaint();
    }
    return output.PrintState > 0;
}

void FinishPrintAction(GraphOutputContext& output, const QString& errorText) {
    if (output.PrintState < 0) {
        Tell(output.Messages(), MessageKind::Error, errorText);
    }
}

QString ChooseExportFileName(GraphOutputContext& output, QWidget* parent, const QString& folder,
                             int kind) {
    const ExportKindInfo& info = ExportKind(kind);
    const auto chosen =
        output.Files().GetSaveFileName(parent, {info.Title, folder, info.DefaultName, info.Filter});
    if (!chosen || chosen->isEmpty()) {
        return {};
    }
    const QString full = QDir::cleanPath(QFileInfo(*chosen).absoluteFilePath());
    MessageService& messages = output.Messages();
    switch (CheckExportName(full.toStdString(), kind)) {
    case ExportNameVerdict::Invalid:
        Tell(messages, MessageKind::Error, OutputTexts::InvalidFileName);
        return {};
    case ExportNameVerdict::AskExtension: {
        messages.MessageBeep();
        const QString& question =
            kind == 2 ? OutputTexts::NoEmfExtension : OutputTexts::NoBmpExtension;
        if (messages.ShowMessage(MessageKind::Confirmation, question, MessageButtons::OkCancel) !=
            MessageAnswer::Ok) {
            return {};
        }
        return full;
    }
    case ExportNameVerdict::Accept:
        break;
    }
    return full;
}

} // namespace kvor
