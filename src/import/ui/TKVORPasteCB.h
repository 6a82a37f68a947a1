#pragma once

#include "import/ui/ImportDialog.h"

namespace kvor {

// The clipboard import dialog: it follows the clipboard while open, views its text and
// imports Tab-separated pairs from it.
class TKVORPasteCB : public TImportDialog {
    Q_OBJECT

public:
    TKVORPasteCB(const DialogServices& services, ImportedData& buffer, ImportKind kind,
                 QWidget* parent);

    bool CBText() const { return m_cbText; }
    bool CBRead() const { return m_cbRead; }
    bool Viewing() const { return m_viewing; }

    void ClipboardChanged();
    void ImportCBButtonClick();
    void ViewCBButtonClick();
    // The dialog became the active window.
    void Activated() override;

protected:
    void ImportRefused(const ImportRefusal& refusal, bool readFailed) override;
    void ReviseRefusal(ImportRefusal& refusal) const override;

private:
    void FocusImportOrCancel();

    QPushButton* m_viewCBButton;
    QPushButton* m_importCBButton;
    bool m_cbText = true;
    bool m_cbRead = false;
    bool m_viewing = false;
};

} // namespace kvor
