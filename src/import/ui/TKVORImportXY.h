#pragma once

#include "import/ImportXY.h"
#include "import/ui/ImportDialog.h"

#include <QString>

#include <functional>

class QLineEdit;
class QRadioButton;

namespace kvor {

// The text-file import dialog: a file name, the X, Y separator, View File and Read X, Y pairs.
class TKVORImportXY : public TImportDialog {
    Q_OBJECT

public:
    // Asks for a file to open: title, starting folder or file, filter; empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& title,
                                              const QString& start, const QString& filter)>;

    TKVORImportXY(const DialogServices& services, ImportedData& buffer, ImportKind kind,
                  QWidget* parent);

    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    FieldSeparator Separator() const;

    void FileEditChange();
    void BrowseButtonClick();
    void ImportButtonClick();
    void ViewButtonClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ImportRefused(const ImportRefusal& refusal, bool readFailed) override;

private:
    // Enter / Ctrl+O press OK while it is enabled, Escape presses Cancel; true when handled.
    bool DialogKey(const QKeyEvent& key);
    bool SeparatorEditKey(const QKeyEvent& key);
    void SeparatorEntered(QRadioButton* button);
    void CloseOtherAndCheck(QRadioButton* button);
    // The name box's text, trimmed and expanded; empty when nothing is named.
    QString ExpandedName() const;
    char DecimalSeparator() const;

    QLineEdit* m_fileEdit;
    QPushButton* m_browseButton;
    QPushButton* m_viewButton;
    QRadioButton* m_commaRadio;
    QRadioButton* m_tabRadio;
    QRadioButton* m_spaceRadio;
    QRadioButton* m_otherRadio;
    QLineEdit* m_separatorEdit;
    QPushButton* m_importButton;
    FileChooser m_chooseFile;
};

} // namespace kvor
