#include "app/ImportButtons.h"

#include "app/KVORMainForm.h"
#include "app/MainContext.h"
#include "app/StudyTab.h"
#include "import/CommitImport.h"
#include "import/ImportTexts.h"
#include "import/ui/ImportDialogTexts.h"
#include "import/ui/TKVORImportXY.h"
#include "import/ui/TKVORPasteCB.h"
#include "import/ui/TKVORViewImport.h"
#include "platform/MessageService.h"

#include <QPushButton>

#include <exception>

namespace kvor {

namespace {

TKVORMain& MainOf(const TStudyTab& tab) {
    return *qobject_cast<TKVORMain*>(tab.window());
}

MainContext& ContextOf(const TStudyTab& tab) {
    return MainOf(tab).Context();
}

DialogServices ServicesOf(const TStudyTab& tab) {
    TKVORMain* main = &MainOf(tab);
    return {main->Context(), &main->Help(), [main] { main->CheckSystemSettings(); }};
}

ImportKind KindOf(const TStudyTab& tab) {
    return tab.Letter() == QLatin1Char('A') ? ImportKind::Accuracy : ImportKind::Power;
}

void Commit(TStudyTab& tab, const TImportDialog& dialog) {
    const ImportCommit commit = CommitImport(dialog.Kind(), dialog.Result().SourcePath,
                                             ContextOf(tab).ImportBuffer(), tab.ImportedData());
    tab.ImportCommitted(QString::fromStdString(commit.DataLabel),
                        QString::fromStdString(commit.SourceLabel), commit.ClearResults);
}

void Open(TStudyTab& tab, TImportDialog* dialog) {
    QObject::connect(dialog, &QDialog::finished, &tab, [&tab, dialog](int result) {
        if (result == QDialog::Accepted) {
            Commit(tab, *dialog);
        }
        tab.window()->activateWindow();
    });
    dialog->show();
}

} // namespace

void AImportButtonClick(TStudyTab& tab) {
    Open(tab, new TKVORImportXY(ServicesOf(tab), ContextOf(tab).ImportBuffer(), KindOf(tab),
                                tab.window()));
}

void APasteButtonClick(TStudyTab& tab) {
    if (!MainContext::ClipboardOffersText()) {
        MessageService& messages = ContextOf(tab).Messages();
        messages.MessageBeep();
        messages.ShowMessage(MessageKind::Error,
                             QString::fromUtf8(ImportTexts::ClipboardHasNoText.data(),
                                               ImportTexts::ClipboardHasNoText.size()),
                             MessageButtons::Ok);
        tab.ImportButton()->setFocus(Qt::OtherFocusReason);
        for (TStudyTab* each : tab.window()->findChildren<TStudyTab*>()) {
            each->PasteButton()->setEnabled(false);
        }
        return;
    }
    Open(tab, new TKVORPasteCB(ServicesOf(tab), ContextOf(tab).ImportBuffer(), KindOf(tab),
                               tab.window()));
}

void PVIButtonClick(TStudyTab& tab) {
    try {
        auto* viewer = new TKVORViewImport(ServicesOf(tab), tab.ImportedData(),
                                           KindOf(tab) == ImportKind::Accuracy, tab.window());
        QObject::connect(viewer, &QDialog::finished, &tab,
                         [&tab] { tab.window()->activateWindow(); });
        viewer->show();
    } catch (const std::exception&) {
        MessageService& messages = ContextOf(tab).Messages();
        messages.MessageBeep();
        messages.ShowMessage(MessageKind::Error, ImportDialogTexts::DataDisplayError,
                             MessageButtons::Ok);
    }
}

} // namespace kvor
