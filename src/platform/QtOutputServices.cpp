#include "platform/QtOutputServices.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QImage>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace kvor {

namespace {

class QtPrintJob final : public PrintJob {
public:
    explicit QtPrintJob(QPrinter& printer) : m_printer(printer) {}
    bool Begin() { return m_painter.begin(&m_printer); }
    QPainter& Painter() override { return m_painter; }
    bool Abort() override {
        const bool aborted = m_printer.abort();
        if (m_painter.isActive()) {
            m_painter.end();
        }
        return aborted;
    }
    bool End() override { return m_painter.end() && m_printer.printerState() != QPrinter::Error; }

private:
    QPrinter& m_printer;
    QPainter m_painter;
};

// "Text|*.EXT" as the save dialog's "Text (*.EXT)".
QString QtFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf('|');
    if (bar < 0) {
        return filter;
    }
    const QString text = filter.left(bar);
    return text.contains('(') ? text : text + " (" + filter.mid(bar + 1) + ")";
}

} // namespace

QtPrinterService::QtPrinterService() : m_printer(std::make_unique<QPrinter>()) {}

QtPrinterService::~QtPrinterService() = default;

bool QtPrinterService::Resolution(int& logPixelsX, int& logPixelsY) {
    if (!m_printer->isValid()) {
        return false;
    }
    logPixelsX = m_printer->logicalDpiX();
    logPixelsY = m_printer->logicalDpiY();
    return true;
}

bool QtPrinterService::CurrentUsable() {
    if (m_printer->outputFormat() == QPrinter::PdfFormat) {
        return true;
    }
    return !QPrinterInfo::printerInfo(m_printer->printerName()).isNull();
}

bool QtPrinterService::SelectDefault() {
    const QPrinterInfo fallback = QPrinterInfo::defaultPrinter();
    if (fallback.isNull()) {
        return false;
    }
    m_printer->setPrinterName(fallback.printerName());
    return true;
}

void QtPrinterService::Reload() {
    const QString name = m_printer->printerName();
    m_printer->setPrinterName(QString());
    m_printer->setPrinterName(name);
}

PrinterMetrics QtPrinterService::Metrics() {
    return QPrinterMetrics(*m_printer);
}

bool QtPrinterService::ShowSetupDialog(QWidget* parent) {
    QPageSetupDialog dialog(m_printer.get(), parent);
    dialog.exec();
    return true;
}

std::unique_ptr<PrintJob> QtPrinterService::BeginDoc(const QString& title) {
    m_printer->setDocName(title);
    auto job = std::make_unique<QtPrintJob>(*m_printer);
    if (!job->Begin()) {
        return nullptr;
    }
    return job;
}

PrinterMetrics QPrinterMetrics(const QPrinter& printer) {
    PrinterMetrics m;
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    m.PhysicalWidth = paper.width();
    m.PhysicalHeight = paper.height();
    m.PhysicalOffsetX = page.left() - paper.left();
    m.PhysicalOffsetY = page.top() - paper.top();
    m.LogPixelsX = printer.logicalDpiX();
    m.LogPixelsY = printer.logicalDpiY();
    return m;
}

std::optional<QString> QtFileDialogService::GetSaveFileName(QWidget* parent,
                                                            const SaveFileRequest& request) {
    QFileDialog dialog(parent, request.Title, request.Folder, QtFilter(request.Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(QString());
    dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

bool QtClipboardService::SetBitmap(const QImage& image) {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr || image.isNull()) {
        return false;
    }
    clipboard->setImage(image);
    return true;
}

bool QtClipboardService::SetMetafile(const QByteArray& emf) {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr || emf.isEmpty()) {
        return false;
    }
    auto* data = new QMimeData; // the clipboard takes ownership
    data->setData("image/x-emf", emf);
    data->setData("image/emf", emf);
    clipboard->setMimeData(data);
    return true;
}

bool QtClipboardService::SetRichText(const QString& html, const QString& plain) {
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr || plain.isEmpty()) {
        return false;
    }
    auto* data = new QMimeData; // the clipboard takes ownership
    data->setHtml(html);
    data->setText(plain);
    clipboard->setMimeData(data);
    return true;
}

} // namespace kvor
