#include "import/ui/TKVORPasteCB.h"

#include "app/ControlFactory.h"
#include "app/MainContext.h"
#include "import/ImportTexts.h"
#include "import/ImportXY.h"
#include "import/TextFileReader.h"
#include "import/ui/ClipboardText.h"
#include "import/ui/DataViewerOpening.h"
#include "import/ui/DialogHelp.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/TKVORDataViewer.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvor {

namespace T = ImportDialogTexts;

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TKVORPasteCB::TKVORPasteCB(const DialogServices& services, ImportedData& buffer, ImportKind kind,
                           QWidget* parent)
    : TImportDialog(services, buffer, kind, ImportSource::Clipboard, parent) {
    using namespace ControlFactory;
    setObjectName("KVORPasteCB");
    setWindowTitle(T::PasteCBCaption);
    MakeFixedHelpDialog(*this);
    m_viewCBButton = Button(this, "ViewCBButton", T::ViewClipboard, 650);
    m_importCBButton = Button(this, "ImportCBButton", T::ImportPairs, 652);
    m_okButton = Button(this, "OKButton", T::Ok, 654);
    m_cancelButton = Button(this, "CancelButton", T::Cancel, 656);
    m_helpButton = Button(this, "HelpButton", T::Help, 658);
    m_okButton->setEnabled(false);

    auto* upper = new QHBoxLayout;
    upper->addWidget(m_viewCBButton);
    upper->addWidget(m_importCBButton);
    upper->addStretch(1);
    auto* lower = new QHBoxLayout;
    lower->addStretch(1);
    for (QPushButton* b : {m_okButton, m_cancelButton, m_helpButton}) {
        lower->addWidget(b);
    }
    auto* sheet = new QVBoxLayout(this);
    sheet->addLayout(upper);
    sheet->addWidget(m_importPanel);
    sheet->addLayout(lower);
    m_importPanel->setMinimumWidth(m_importPanel->fontMetrics().horizontalAdvance(
                                       " 1000000 lines read;  Checking data . . .") +
                                   12);

    connect(m_viewCBButton, &QPushButton::clicked, this, &TKVORPasteCB::ViewCBButtonClick);
    connect(m_importCBButton, &QPushButton::clicked, this, &TKVORPasteCB::ImportCBButtonClick);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TKVORPasteCB::ClipboardChanged);
    InstallDialogHelp(*this, m_services, *m_helpButton, 602);
    setFixedSize(sizeHint());
}

void TKVORPasteCB::ClipboardChanged() {
    const bool text = MainContext::ClipboardOffersText();
    m_viewCBButton->setEnabled(text);
    m_importCBButton->setEnabled(text);
    m_okButton->setEnabled(m_cbRead);
    m_cbText = text;
    if (!m_viewCBButton->isEnabled() && !m_okButton->isEnabled()) {
        m_cancelButton->setFocus(Qt::OtherFocusReason);
    }
    if (isActiveWindow() && !m_cbText && !m_cbRead) {
        m_cbText = true;
        Tell(ImportBox::Information, T::ClipboardLost);
    }
}

void TKVORPasteCB::Activated() {
    if (!m_cbText && !m_viewing) {
        m_cbText = true;
        if (!MainContext::ClipboardOffersText()) {
            Tell(ImportBox::Information, T::ClipboardLost);
        }
    }
}

void TKVORPasteCB::FocusImportOrCancel() {
    (m_importCBButton->isEnabled() ? m_importCBButton : m_cancelButton)
        ->setFocus(Qt::OtherFocusReason);
}

void TKVORPasteCB::ImportCBButtonClick() {
    m_cbText = true;
    m_cbRead = true;
    if (!MainContext::ClipboardOffersText()) {
        RefuseAtOnce({ImportRefusalReason::ClipboardNotRead, ImportBox::Error,
                      std::string(ImportTexts::ClipboardHasNoText)});
        return;
    }
    // The clipboard belongs to the user-interface thread: its text is fetched here, and only
    // split and checked off it.
    std::optional<TextLines> fetched = FetchClipboardLines();
    if (!fetched) {
        RefuseAtOnce({ImportRefusalReason::ClipboardNotRead, ImportBox::Error,
                      std::string(ImportTexts::ClipboardAccessError)});
        return;
    }
    auto lines = std::make_shared<TextLines>(std::move(*fetched));
    const char decimal = m_services.Context.SeparatorChar();
    m_okButton->setEnabled(false);
    RunImport(
        [lines]() -> std::variant<TextLines, ImportRefusal> {
            if (lines->Count() == 0) {
                return ImportRefusal{ImportRefusalReason::ClipboardNotRead, ImportBox::Error,
                                     std::string(ImportTexts::ClipboardNotRead)};
            }
            return std::move(*lines);
        },
        [this, decimal](const TextLines& read) {
            return CheckImportLines(read, "\t", decimal, Kind(), ImportSource::Clipboard, true,
                                    m_buffer);
        });
}

void TKVORPasteCB::ImportRefused(const ImportRefusal& refusal, bool readFailed) {
    static_cast<void>(refusal);
    static_cast<void>(readFailed);
    m_cbText = false;
    m_cbRead = false;
    FocusImportOrCancel();
}

void TKVORPasteCB::ReviseRefusal(ImportRefusal& refusal) const {
    if (refusal.Reason == ImportRefusalReason::NoPairs && !MainContext::ClipboardOffersText()) {
        refusal.Message = ImportTexts::NoPairsClipboardGone;
    }
}

void TKVORPasteCB::ViewCBButtonClick() {
    if (!MainContext::ClipboardOffersText()) {
        Tell(ImportBox::Error, Text(ImportTexts::ClipboardHasNoText));
        return;
    }
    TKVORDataViewer* viewer = nullptr;
    switch (OpenClipboardViewer(m_services, this, viewer)) {
    case ClipboardViewOutcome::FetchFailed:
        Tell(ImportBox::Error, T::ClipboardFetchFailed);
        return;
    case ClipboardViewOutcome::NoLine:
        Tell(ImportBox::Error, T::ClipboardViewNoLine);
        return;
    case ClipboardViewOutcome::NotBuilt:
        Tell(ImportBox::Error, T::ClipboardViewerNotBuilt);
        return;
    case ClipboardViewOutcome::Shown:
        break;
    }
    m_viewing = true;
    connect(viewer, &QDialog::finished, this, [this] {
        m_cbText = true;
        m_viewing = false;
    });
}

} // namespace kvor
