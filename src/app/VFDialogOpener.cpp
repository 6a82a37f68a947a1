#include "app/VFDialogOpener.h"

#include "app/HelpSystem.h"
#include "app/KVORMainForm.h"
#include "app/MainContext.h"
#include "app/StudyTab.h"
#include "graphs/VFButtonChecks.h"
#include "graphs/ui/KVORVarianceFunctionsForm.h"
#include "platform/MessageService.h"

#include <QPushButton>

#include <memory>

namespace kvor {

namespace {

void ShowMessages(const VFButtonOutcome& outcome, MessageService& messages) {
    for (const VFMessage& message : outcome.Messages) {
        messages.MessageBeep();
        messages.ShowMessage(message.Kind, QString::fromStdString(message.Text),
                             MessageButtons::Ok);
    }
}

void VFButtonClick(TStudyTab& tab, MainContext& context, StudyTab kind) {
    tab.CommitFocusedEntry();
    tab.VFButton()->setFocus(Qt::OtherFocusReason);
    QWidget* main = tab.window();
    main->setEnabled(false);
    GraphOutputContext& output = context.Output();
    const char separator = context.SeparatorChar();
    const VFButtonOutcome outcome =
        CheckVFButton(tab.ReadStudyDesign(), kind, ExtremesOf(tab.ImportedData()),
                      output.DesignOptions, separator);
    VFCurveSet& set = context.VFCurves();
    set = outcome.Set;
    std::unique_ptr<TKVORVarianceFunctions> dialog;
    if (outcome.DialogOpens) {
        dialog = std::make_unique<TKVORVarianceFunctions>(output, set, separator, main);
    }
    main->setEnabled(true);
    ShowMessages(outcome, context.Messages());
    if (dialog) {
        if (auto* window = qobject_cast<TKVORMain*>(main)) {
            THelpSystem& help = window->Help();
            QObject::connect(dialog.get(), &TKVORVarianceFunctions::HelpRequested, &help,
                             [&help](int topic) { help.ShowTopic(topic); });
            help.ConnectPopups(*dialog);
            QObject::connect(dialog.get(), &TKVORVarianceFunctions::Activated, window,
                             &TKVORMain::CheckSystemSettings);
        }
        dialog->exec();
        dialog.reset();
    }
    if (QWidget* entry = tab.FocusWidget(outcome.Focus)) {
        entry->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace

void AVFButtonClick(TStudyTab& tab, MainContext& context) {
    VFButtonClick(tab, context, StudyTab::Accuracy);
}

void PVFButtonClick(TStudyTab& tab, MainContext& context) {
    VFButtonClick(tab, context, StudyTab::Power);
}

} // namespace kvor
