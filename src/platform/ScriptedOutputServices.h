#pragma once

#include "platform/ClipboardService.h"
#include "platform/FileDialogService.h"
#include "platform/PrinterService.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPicture>
#include <QRect>
#include <QStringList>

#include <deque>

namespace kvor {

// A printer with scripted answers; its jobs paint into a picture and are recorded.
class ScriptedPrinterService final : public PrinterService {
public:
    struct Job {
        QString Title;
        bool Ended = false;
        bool Aborted = false;
        QRect Window; // the painter's window and viewport when the job finished
        QRect Viewport;
        QPicture Page;
    };

    bool ResolutionReadable = true;
    int LogPixelsX = 600;
    int LogPixelsY = 600;
    bool CurrentReadable = true;
    bool DefaultReadable = true;
    bool SetupShows = true;
    bool BeginFails = false;
    bool EndFails = false;
    PrinterMetrics Page{4960, 100, 7016, 100, 600, 600};

    bool Resolution(int& logPixelsX, int& logPixelsY) override;
    bool CurrentUsable() override { return m_defaultSelected ? DefaultReadable : CurrentReadable; }
    bool SelectDefault() override;
    void Reload() override { ++Reloads; }
    PrinterMetrics Metrics() override;
    bool ShowSetupDialog(QWidget* parent) override;
    std::unique_ptr<PrintJob> BeginDoc(const QString& title) override;

    bool DefaultSelected() const { return m_defaultSelected; }
    int SetupShown = 0;
    int Reloads = 0;
    QList<Job> Jobs;

private:
    bool m_defaultSelected = false;
};

// Answers the save dialog from a queue (nothing queued: cancel) and keeps every request.
class ScriptedFileDialogService final : public FileDialogService {
public:
    std::optional<QString> GetSaveFileName(QWidget* parent,
                                           const SaveFileRequest& request) override;
    void QueueName(const QString& name) { m_answers.push_back(name); }
    void QueueCancel() { m_answers.push_back(QString()); }
    QList<SaveFileRequest> Requests;

private:
    std::deque<QString> m_answers; // a null name cancels
};

class ScriptedClipboardService final : public ClipboardService {
public:
    bool SetBitmap(const QImage& image) override;
    bool SetMetafile(const QByteArray& emf) override;
    bool SetRichText(const QString& html, const QString& plain) override;
    bool Fails = false;
    QImage Bitmap;
    QByteArray Metafile;
    QString Html;
    QString PlainText;
};

} // namespace kvor
