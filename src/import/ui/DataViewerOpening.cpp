#include "import/ui/DataViewerOpening.h"

#include "import/TextFileReader.h"
#include "import/ui/ClipboardText.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/TKVORDataViewer.h"

#include <QApplication>
#include <QFileInfo>

namespace kvor {

namespace {

// The owner disabled and the hourglass shown while a viewer is filled.
class BusyOwner {
public:
    explicit BusyOwner(QWidget* owner) : m_owner(owner) {
        m_owner->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyOwner() {
        QApplication::restoreOverrideCursor();
        m_owner->setEnabled(true);
    }
    BusyOwner(const BusyOwner&) = delete;
    BusyOwner& operator=(const BusyOwner&) = delete;

private:
    QWidget* m_owner;
};

void ShowViewer(TKVORDataViewer* viewer, QWidget* owner) {
    QObject::connect(viewer, &QDialog::finished, owner, [owner] { owner->activateWindow(); });
    viewer->show();
}

} // namespace

FileViewOutcome OpenFileViewer(const DialogServices& services, const QString& path,
                               QWidget* owner) {
    std::variant<TextLines, ImportRefusal> lines = TextLines();
    {
        const BusyOwner busy(owner);
        lines = LoadTextFileLines(path.toStdString());
    }
    if (auto* refusal = std::get_if<ImportRefusal>(&lines)) {
        return refusal->Reason == ImportRefusalReason::FileNotRead ? FileViewOutcome::NoLine
                                                                   : FileViewOutcome::Unreadable;
    }
    auto* viewer = new TKVORDataViewer(services, TKVORDataViewer::Mode::File, owner);
    viewer->SetLines(std::move(std::get<TextLines>(lines)));
    viewer->setWindowTitle(ImportDialogTexts::FileViewerCaption(
        QFileInfo(path).fileName(), static_cast<qsizetype>(viewer->LineCount())));
    ShowViewer(viewer, owner);
    return FileViewOutcome::Shown;
}

ClipboardViewOutcome OpenClipboardViewer(const DialogServices& services, QWidget* owner,
                                         TKVORDataViewer*& opened) {
    opened = nullptr;
    std::optional<TextLines> lines;
    {
        const BusyOwner busy(owner);
        lines = FetchClipboardLines();
    }
    if (!lines) {
        return ClipboardViewOutcome::FetchFailed;
    }
    if (lines->Count() == 0) {
        return ClipboardViewOutcome::NoLine;
    }
    auto* viewer = new TKVORDataViewer(services, TKVORDataViewer::Mode::Clipboard, owner);
    viewer->SetLines(std::move(*lines));
    if (viewer->LineCount() == 0) {
        viewer->deleteLater();
        return ClipboardViewOutcome::NotBuilt;
    }
    ShowViewer(viewer, owner);
    opened = viewer;
    return ClipboardViewOutcome::Shown;
}

} // namespace kvor
