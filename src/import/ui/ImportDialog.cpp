#include "import/ui/ImportDialog.h"

#include "app/ControlFactory.h"
#include "app/MainContext.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/ImportStatus.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace kvor {

TImportDialog::TImportDialog(const DialogServices& services, ImportedData& buffer, ImportKind kind,
                             ImportSource source, QWidget* parent)
    : QDialog(parent), m_services(services), m_buffer(buffer), m_kind(kind) {
    m_importPanel = new QLabel(this);
    m_importPanel->setObjectName("ImportPanel");
    m_importPanel->setFrameShape(QFrame::StyledPanel);
    m_importPanel->setFrameShadow(QFrame::Sunken);
    m_status = new TImportStatus(*m_importPanel, source, this);
    connect(m_status, &TImportStatus::Done, this, &TImportDialog::Finish);
}

TImportDialog::~TImportDialog() {
    JoinWorker();
    if (m_status->Running()) {
        QApplication::restoreOverrideCursor();
    }
}

void TImportDialog::JoinWorker() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

void TImportDialog::RunImport(ReadStep read, CheckStep check) {
    m_readFailed = false;
    m_result = ImportResult{};
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_status->Start();
    // The outcome lands here while the thread is still alive; it is only read after the join.
    auto outcome = std::make_shared<ImportResult>();
    m_worker = std::thread([this, read = std::move(read), check = std::move(check), outcome] {
        std::variant<TextLines, ImportRefusal> lines = read();
        if (auto* refusal = std::get_if<ImportRefusal>(&lines)) {
            m_buffer.Count = 0;
            outcome->Refusal = std::move(*refusal);
            QMetaObject::invokeMethod(
                this,
                [this, outcome] {
                    m_result = *outcome;
                    m_readFailed = true;
                    m_status->ReadDone(0, false);
                },
                Qt::QueuedConnection);
            return;
        }
        const std::size_t count = std::get<TextLines>(lines).Count();
        QMetaObject::invokeMethod(
            this, [this, count] { m_status->ReadDone(count, true); }, Qt::QueuedConnection);
        *outcome = check(std::get<TextLines>(lines));
        QMetaObject::invokeMethod(
            this,
            [this, outcome] {
                m_result = *outcome;
                m_status->CheckDone();
            },
            Qt::QueuedConnection);
    });
}

void TImportDialog::Finish() {
    JoinWorker();
    QApplication::restoreOverrideCursor();
    setEnabled(true);
    if (m_result.Accepted()) {
        m_services.Context.Messages().MessageBeep();
        m_importPanel->setText(QString::fromStdString(m_result.StatusText));
        m_okButton->setEnabled(true);
        m_okButton->setFocus(Qt::OtherFocusReason);
    } else {
        m_buffer.Count = 0;
        m_okButton->setEnabled(false);
        ReviseRefusal(*m_result.Refusal);
        ShowRefusal(*m_result.Refusal);
        ImportRefused(*m_result.Refusal, m_readFailed);
    }
    emit ImportFinished();
}

void TImportDialog::RefuseAtOnce(const ImportRefusal& refusal) {
    m_buffer.Count = 0;
    m_okButton->setEnabled(false);
    ShowRefusal(refusal);
    ImportRefused(refusal, false);
    emit ImportFinished();
}

void TImportDialog::Tell(ImportBox box, const QString& text) const {
    MessageService& messages = m_services.Context.Messages();
    messages.MessageBeep();
    messages.ShowMessage(box == ImportBox::Error ? MessageKind::Error : MessageKind::Information,
                         text, MessageButtons::Ok);
}

void TImportDialog::ShowRefusal(const ImportRefusal& refusal) const {
    Tell(refusal.Box, QString::fromStdString(refusal.Message));
}

void TImportDialog::reject() {
    if (!Importing()) {
        QDialog::reject();
    }
}

void TImportDialog::closeEvent(QCloseEvent* event) {
    if (Importing()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TImportDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (m_services.CheckSystemSettings) {
            m_services.CheckSystemSettings();
        }
        Activated();
    }
}

} // namespace kvor
