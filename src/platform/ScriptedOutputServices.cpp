#include "platform/ScriptedOutputServices.h"

#include <QPainter>

namespace kvor {

namespace {

class ScriptedPrintJob final : public PrintJob {
public:
    ScriptedPrintJob(ScriptedPrinterService& printer, QString title)
        : m_printer(printer), m_title(std::move(title)) {
        m_painter.begin(&m_page);
    }
    ~ScriptedPrintJob() override {
        if (m_painter.isActive()) {
            Finish(false, true);
        }
    }
    QPainter& Painter() override { return m_painter; }
    bool Abort() override { return Finish(false, true); }
    bool End() override { return Finish(true, false) && !m_printer.EndFails; }

private:
    bool Finish(bool ended, bool aborted) {
        ScriptedPrinterService::Job job;
        job.Title = m_title;
        job.Ended = ended && !m_printer.EndFails;
        job.Aborted = aborted;
        job.Window = m_painter.window();
        job.Viewport = m_painter.viewport();
        m_painter.end();
        job.Page = m_page;
        m_printer.Jobs.append(job);
        return true;
    }

    ScriptedPrinterService& m_printer;
    QString m_title;
    QPicture m_page;
    QPainter m_painter;
};

} // namespace

bool ScriptedPrinterService::Resolution(int& logPixelsX, int& logPixelsY) {
    if (!ResolutionReadable) {
        return false;
    }
    logPixelsX = LogPixelsX;
    logPixelsY = LogPixelsY;
    return true;
}

bool ScriptedPrinterService::SelectDefault() {
    if (!DefaultReadable) {
        return false;
    }
    m_defaultSelected = true;
    return true;
}

PrinterMetrics ScriptedPrinterService::Metrics() {
    PrinterMetrics m = Page;
    m.LogPixelsX = LogPixelsX;
    m.LogPixelsY = LogPixelsY;
    return m;
}

bool ScriptedPrinterService::ShowSetupDialog(QWidget*) {
    ++SetupShown;
    return SetupShows;
}

std::unique_ptr<PrintJob> ScriptedPrinterService::BeginDoc(const QString& title) {
    if (BeginFails) {
        return nullptr;
    }
    return std::make_unique<ScriptedPrintJob>(*this, title);
}

std::optional<QString> ScriptedFileDialogService::GetSaveFileName(QWidget*,
                                                                  const SaveFileRequest& request) {
    Requests.append(request);
    if (m_answers.empty()) {
        return std::nullopt;
    }
    const QString answer = m_answers.front();
    m_answers.pop_front();
    if (answer.isNull()) {
        return std::nullopt;
    }
    return answer;
}

bool ScriptedClipboardService::SetBitmap(const QImage& image) {
    if (Fails) {
        return false;
    }
    Bitmap = image;
    Metafile.clear();
    Html.clear();
    PlainText.clear();
    return true;
}

bool ScriptedClipboardService::SetMetafile(const QByteArray& emf) {
    if (Fails) {
        return false;
    }
    Metafile = emf;
    Bitmap = QImage();
    Html.clear();
    PlainText.clear();
    return true;
}

bool ScriptedClipboardService::SetRichText(const QString& html, const QString& plain) {
    if (Fails) {
        return false;
    }
    Html = html;
    PlainText = plain;
    Bitmap = QImage();
    Metafile.clear();
    return true;
}

} // namespace kvor
