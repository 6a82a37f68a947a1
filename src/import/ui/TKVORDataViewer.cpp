#include "import/ui/TKVORDataViewer.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "import/ui/ClipboardText.h"
#include "import/ui/DialogHelp.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/TextLinesView.h"
#include "import/ui/ViewerFrame.h"
#include "platform/MessageService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kvor {

namespace T = ImportDialogTexts;

TKVORDataViewer::TKVORDataViewer(const DialogServices& services, Mode mode, QWidget* parent)
    : QDialog(parent), m_services(services), m_mode(mode) {
    setObjectName("KVORDataViewer");
    MakeFixedHelpDialog(*this);
    m_dataRichEdit = new TTextLinesView(this);
    m_dataRichEdit->setObjectName("DataRichEdit");
    m_dataRichEdit->setFont(QFont("Arial", 10));
    SetHelpContext(m_dataRichEdit, mode == Mode::File ? 710 : 711);
    const ViewerButtons buttons = LayOutViewer(*this, *m_dataRichEdit, *this);
    m_closeButton = buttons.Close;
    m_helpButton = buttons.Help;
    InstallDialogHelp(*this, m_services, *m_helpButton, 700);
    if (mode == Mode::Clipboard) {
        setWindowTitle(T::ClipboardViewerCaption);
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                &TKVORDataViewer::ClipboardChanged);
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        connect(screen, &QScreen::geometryChanged, this, &TKVORDataViewer::FitScreen);
    }
    FitScreen();
    m_closeButton->setFocus(Qt::OtherFocusReason);
}

void TKVORDataViewer::SetLines(IndexedLines lines) {
    m_dataRichEdit->SetLines(std::move(lines));
}

std::size_t TKVORDataViewer::LineCount() const {
    return m_dataRichEdit->LineCount();
}

void TKVORDataViewer::FitScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize size(area.width() * 900 / 1024, area.height() * 660 / 768);
    if (size != this->size()) {
        setFixedSize(size);
        move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
}

void TKVORDataViewer::showEvent(QShowEvent* event) {
    FitScreen();
    QDialog::showEvent(event);
}

void TKVORDataViewer::Tell(bool error, const QString& text) const {
    MessageService& messages = m_services.Context.Messages();
    messages.MessageBeep();
    messages.ShowMessage(error ? MessageKind::Error : MessageKind::Information, text,
                         MessageButtons::Ok);
}

void TKVORDataViewer::ClipboardChanged() {
    const bool text = MainContext::ClipboardOffersText();
    if (LineCount() > 0 && !text) {
        m_textPresent = false;
    }
    m_updateFailed = false;
    if (!text) {
        m_dataRichEdit->Clear();
        return;
    }
    std::optional<TextLines> lines = FetchClipboardLines();
    if (!lines) {
        Tell(true, T::ViewerUpdateFailed);
        return;
    }
    m_textPresent = true;
    SetLines(IndexedLines(std::move(*lines)));
    m_updateFailed = LineCount() == 0;
}

void TKVORDataViewer::Activated() {
    if (m_services.CheckSystemSettings) {
        m_services.CheckSystemSettings();
    }
    if (m_mode != Mode::Clipboard) {
        return;
    }
    m_closeButton->setFocus(Qt::OtherFocusReason);
    if (!m_textPresent) {
        m_textPresent = true;
        Tell(false, T::ClipboardLost);
    }
    if (m_updateFailed) {
        m_updateFailed = false;
        Tell(true, T::ViewerUpdateFailed);
    }
}

void TKVORDataViewer::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Activated();
    } else if (event->type() == QEvent::PaletteChange) {
        m_dataRichEdit->viewport()->update();
    }
}

void TKVORDataViewer::ScrollLines(int lines) {
    m_dataRichEdit->ScrollLines(lines);
}

void TKVORDataViewer::ScrollPages(int pages) {
    m_dataRichEdit->ScrollLines(pages * m_dataRichEdit->PageLines());
}

void TKVORDataViewer::ScrollToTop() {
    m_dataRichEdit->ScrollToTop();
}

void TKVORDataViewer::ScrollToEnd() {
    m_dataRichEdit->ScrollToBottom();
}

} // namespace kvor
