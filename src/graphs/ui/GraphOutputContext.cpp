#include "graphs/ui/GraphOutputContext.h"

#include "graphs/ui/KVORPrnAbort.h"
#include "platform/QtOutputServices.h"

#include <utility>

namespace kvor {

GraphOutputContext::GraphOutputContext(MessageService& messages, QString homeFolder)
    : ExportFolder(std::move(homeFolder)), m_messages(messages) {
    ApplyFontPreset(DesignOptions);
    ShowPrintProgress = [](QWidget* owner, int& printState) {
        TKVORPrnAbort dialog(owner, printState);
        dialog.exec();
    };
}

GraphOutputContext::~GraphOutputContext() = default;

PrinterService& GraphOutputContext::Printer() {
    if (m_printer == nullptr) {
        m_qtPrinter = std::make_unique<QtPrinterService>();
        m_printer = m_qtPrinter.get();
    }
    return *m_printer;
}

FileDialogService& GraphOutputContext::Files() {
    if (m_files == nullptr) {
        m_qtFiles = std::make_unique<QtFileDialogService>();
        m_files = m_qtFiles.get();
    }
    return *m_files;
}

ClipboardService& GraphOutputContext::Clipboard() {
    if (m_clipboard == nullptr) {
        m_qtClipboard = std::make_unique<QtClipboardService>();
        m_clipboard = m_qtClipboard.get();
    }
    return *m_clipboard;
}

} // namespace kvor
