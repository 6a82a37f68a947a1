#pragma once

#include "graphs/GraphOptions.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace kvor {

class ClipboardService;
class FileDialogService;
class MessageService;
class PrinterService;

// What every graph's output and every print action of the program share: the design graph
// options, ExportFolder, PrintState, PrinterAvailable and the platform services. Services not
// replaced by a test are the Qt ones, made when first used.
class GraphOutputContext {
public:
    GraphOutputContext(MessageService& messages, QString homeFolder);
    ~GraphOutputContext();
    GraphOutputContext(const GraphOutputContext&) = delete;
    GraphOutputContext& operator=(const GraphOutputContext&) = delete;

    MessageService& Messages() const { return m_messages; }
    PrinterService& Printer();
    FileDialogService& Files();
    ClipboardService& Clipboard();
    void SetPrinter(PrinterService* printer) { m_printer = printer; }
    void SetFiles(FileDialogService* files) { m_files = files; }
    void SetClipboard(ClipboardService* clipboard) { m_clipboard = clipboard; }

    // Shows the print-progress dialog for PrintState modally; replaceable so that a test can
    // drive its ticks.
    std::function<void(QWidget* owner, int& printState)> ShowPrintProgress;

    GraphOptions DesignOptions = DesignGraphOptions();
    // The confidence visualisation's own instance, kept for the program run.
    GraphOptions VisOptions = VisualisationGraphOptions();
    QString ExportFolder;
    int PrintState = 0;
    bool PrinterAvailable = false;

private:
    MessageService& m_messages;
    PrinterService* m_printer = nullptr;
    FileDialogService* m_files = nullptr;
    ClipboardService* m_clipboard = nullptr;
    std::unique_ptr<PrinterService> m_qtPrinter;
    std::unique_ptr<FileDialogService> m_qtFiles;
    std::unique_ptr<ClipboardService> m_qtClipboard;
};

} // namespace kvor
