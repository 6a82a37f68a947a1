#pragma once

#include "platform/ClipboardService.h"
#include "platform/FileDialogService.h"
#include "platform/PrinterService.h"

#include <memory>

class QPrinter;

namespace kvor {

// The printer object over the system's (CUPS) printers.
class QtPrinterService final : public PrinterService {
public:
    QtPrinterService();
    ~QtPrinterService() override;

    bool Resolution(int& logPixelsX, int& logPixelsY) override;
    bool CurrentUsable() override;
    bool SelectDefault() override;
    void Reload() override;
    PrinterMetrics Metrics() override;
    bool ShowSetupDialog(QWidget* parent) override;
    std::unique_ptr<PrintJob> BeginDoc(const QString& title) override;

    QPrinter& Printer() { return *m_printer; }

private:
    std::unique_ptr<QPrinter> m_printer;
};

class QtFileDialogService final : public FileDialogService {
public:
    std::optional<QString> GetSaveFileName(QWidget* parent,
                                           const SaveFileRequest& request) override;
};

class QtClipboardService final : public ClipboardService {
public:
    bool SetBitmap(const QImage& image) override;
    bool SetMetafile(const QByteArray& emf) override;
    bool SetRichText(const QString& html, const QString& plain) override;
};

// Metrics of a job on a real QPrinter, as a device context would report them.
PrinterMetrics QPrinterMetrics(const QPrinter& printer);

} // namespace kvor
