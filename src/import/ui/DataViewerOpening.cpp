#include "import/ui/DataViewerOpening.h"

#include "import/TextFileReader.h"
#include "import/ui/ClipboardText.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/OffThread.h"
#include "import/ui/TKVORDataViewer.h"
#include "import/ui/TextLinesView.h"

#include <QApplication>
#include <QFileInfo>

#include <new>

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
    // A large file takes a while to read and index; the windows keep painting meanwhile.
    std::variant<IndexedLines, ImportRefusal> lines = IndexedLines();
    {
        const BusyOwner busy(owner);
        lines = WhileWindowsPaint([file = path.toStdString()]() {
            using Outcome = std::variant<IndexedLines, ImportRefusal>;
            std::variant<TextLines, ImportRefusal> read = LoadTextFileLines(file);
            if (auto* refusal = std::get_if<ImportRefusal>(&read)) {
                return Outcome(std::move(*refusal));
            }
            try {
                return Outcome(IndexedLines(std::move(std::get<TextLines>(read))));
            } catch (const std::bad_alloc&) {
                return Outcome(
                    ImportRefusal{ImportRefusalReason::FileUnreadable, ImportBox::Error, {}});
            }
        });
    }
    if (auto* refusal = std::get_if<ImportRefusal>(&lines)) {
        return refusal->Reason == ImportRefusalReason::FileNotRead ? FileViewOutcome::NoLine
                                                                   : FileViewOutcome::Unreadable;
    }
    auto* viewer = new TKVORDataViewer(services, TKVORDataViewer::Mode::File, owner);
    viewer->SetLines(std::move(std::get<IndexedLines>(lines)));
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
    viewer->SetLines(IndexedLines(std::move(*lines)));
    if (viewer->LineCount() == 0) {
        viewer->deleteLater();
        return ClipboardViewOutcome::NotBuilt;
    }
    ShowViewer(viewer, owner);
    opened = viewer;
    return ClipboardViewOutcome::Shown;
}

} // namespace kvor
