#pragma once

#include "engine/ImportedData.h"
#include "import/ImportTypes.h"
#include "import/TextLines.h"
#include "import/ui/DialogServices.h"

#include <QDialog>

#include <functional>
#include <thread>
#include <variant>

class QLabel;
class QPushButton;

namespace kvor {

class TImportStatus;

// What both import dialogs share: the status panel, OK, Cancel and Help, and an import that
// reads and checks off the user-interface thread while the dialog is disabled and its status
// blinks. The buffer is written only by that import.
class TImportDialog : public QDialog {
    Q_OBJECT

public:
    using ReadStep = std::function<std::variant<TextLines, ImportRefusal>()>;
    using CheckStep = std::function<ImportResult(const TextLines&)>;

    ~TImportDialog() override;

    ImportKind Kind() const { return m_kind; }
    // The accepted import (its source path), valid once OK is enabled.
    const ImportResult& Result() const { return m_result; }
    bool Importing() const { return m_worker.joinable(); }
    TImportStatus& Status() const { return *m_status; }

    void reject() override;

signals:
    // An import ended, accepted or refused, and the dialog is enabled again.
    void ImportFinished();

protected:
    TImportDialog(const DialogServices& services, ImportedData& buffer, ImportKind kind,
                  ImportSource source, QWidget* parent);

    // Reads and checks off the user-interface thread; ends in ImportRefused or with OK enabled.
    void RunImport(ReadStep read, CheckStep check);
    // Where the focus goes after a refusal; readFailed: the lines were never read.
    virtual void ImportRefused(const ImportRefusal& refusal, bool readFailed) = 0;
    // A last look at a refusal before it is shown, on the user-interface thread.
    virtual void ReviseRefusal(ImportRefusal& refusal) const { static_cast<void>(refusal); }
    // A refusal before anything is read: the buffer emptied, the message, the focus.
    void RefuseAtOnce(const ImportRefusal& refusal);
    // Beep and message box.
    void Tell(ImportBox box, const QString& text) const;
    void ShowRefusal(const ImportRefusal& refusal) const;

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // After the settings check of an activation.
    virtual void Activated() {}

    const DialogServices m_services;
    ImportedData& m_buffer;
    QLabel* m_importPanel;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_helpButton;

private:
    void Finish();
    void JoinWorker();

    ImportKind m_kind;
    TImportStatus* m_status;
    std::thread m_worker;
    ImportResult m_result;
    bool m_readFailed = false;
};

} // namespace kvor
