#pragma once

#include "import/TextLines.h"
#include "import/ui/DialogServices.h"
#include "import/ui/ViewerKeys.h"

#include <QDialog>

class QPushButton;

namespace kvor {

class TTextLinesView;
struct IndexedLines;

// Shows a text file or the clipboard text unchanged. In clipboard mode it follows the
// clipboard while it is open.
class TKVORDataViewer : public QDialog, private ViewerScroller {
    Q_OBJECT

public:
    enum class Mode { File = 1, Clipboard = 2 };

    TKVORDataViewer(const DialogServices& services, Mode mode, QWidget* parent);

    Mode ViewerMode() const { return m_mode; }
    void SetLines(IndexedLines lines);
    std::size_t LineCount() const;
    TTextLinesView& TextView() const { return *m_dataRichEdit; }

    // Clipboard mode: reloads the text when the clipboard changes.
    void ClipboardChanged();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ScrollLines(int lines) override;
    void ScrollPages(int pages) override;
    void ScrollToTop() override;
    void ScrollToEnd() override;
    void Activated();
    void FitScreen();
    void Tell(bool error, const QString& text) const;

    DialogServices m_services;
    Mode m_mode;
    TTextLinesView* m_dataRichEdit;
    QPushButton* m_closeButton;
    QPushButton* m_helpButton;
    bool m_textPresent = true;
    bool m_updateFailed = false;
};

} // namespace kvor
