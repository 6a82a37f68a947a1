#include "studies/ui/KVORPowerDetails.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/HelpSystem.h"
#include "app/KVORMainForm.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/OutputTexts.h"
#include "graphs/ui/PrintActions.h"
#include "platform/ClipboardService.h"
#include "platform/MessageService.h"
#include "platform/PrinterService.h"
#include "studies/DetailsTexts.h"
#include "studies/ui/DetailsDocument.h"
#include "visualise/VisRun.h"
#include "visualise/VisTexts.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>
#include <exception>
#include <memory>

namespace kvor {

using namespace ControlFactory;
namespace T = DetailsTexts;

namespace {

enum HelpId { RichEditHelp = 1261, CopyHelp, PrintHelp, SetupHelp, CloseHelp, HelpHelp };

constexpr int ButtonGap = 8;

// The hourglass and the dialog disabled (and, for copying, not repainted) while the guard lives.
class BusyReport {
public:
    BusyReport(QWidget* dialog, bool lockUpdates) : m_dialog(dialog), m_locked(lockUpdates) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_dialog->setEnabled(false);
        if (m_locked) {
            m_dialog->setUpdatesEnabled(false);
        }
    }
    ~BusyReport() {
        if (m_locked) {
            m_dialog->setUpdatesEnabled(true);
        }
        QApplication::processEvents();
        m_dialog->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    BusyReport(const BusyReport&) = delete;
    BusyReport& operator=(const BusyReport&) = delete;

private:
    QWidget* m_dialog;
    bool m_locked;
};

void Tell(MessageService& messages, MessageKind kind, const QString& text) {
    messages.MessageBeep();
    messages.ShowMessage(kind, text, MessageButtons::Ok);
}

THelpSystem* MainHelpOf(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (auto* main = qobject_cast<TKVORMain*>(w)) {
            return &main->Help();
        }
    }
    return nullptr;
}

} // namespace

TKVORPowerDetails::TKVORPowerDetails(const DetailsSummary& summary, char decimalSeparator,
                                     GraphOutputContext& output, QWidget* parent)
    : QDialog(parent), m_summary(summary), m_separator(decimalSeparator), m_output(output),
      m_richEdit(new QTextEdit(this)), m_outputGroup(new QGroupBox(T::OutputGroup, this)) {
    setObjectName("KVORPowerDetails");
    setWindowTitle(T::Title);
    m_richEdit->setObjectName("DetailsRichEdit");
    m_richEdit->setReadOnly(true);
    m_richEdit->setFont(ReportQFont(ReportFont::Courier));
    m_richEdit->setLineWrapMode(QTextEdit::NoWrap);
    SetHelpContext(m_richEdit, RichEditHelp);

    m_outputGroup->setObjectName("OutputGroupBox");
    m_copy = Button(m_outputGroup, "CopyButton", T::Copy, CopyHelp);
    m_print = Button(m_outputGroup, "PrintButton", T::Print, PrintHelp);
    m_setup = Button(m_outputGroup, "PSetupButton", T::PrinterSetup, SetupHelp);
    auto* row = new QHBoxLayout(m_outputGroup);
    for (QPushButton* b : {m_copy, m_print, m_setup}) {
        row->addWidget(b);
    }
    m_close = Button(this, "CloseButton", T::Close, CloseHelp);
    m_help = Button(this, "HelpButton", T::Help, HelpHelp);

    connect(m_copy, &QPushButton::clicked, this, &TKVORPowerDetails::CopyButtonClick);
    connect(m_print, &QPushButton::clicked, this, &TKVORPowerDetails::PrintButtonClick);
    connect(m_setup, &QPushButton::clicked, this, &TKVORPowerDetails::PSetupButtonClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_help, &QPushButton::clicked, this, [this] { emit HelpRequested(HelpTopic); });
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, &TKVORPowerDetails::FocusChanged);
    CheckFormSize();
    m_copy->setDefault(true);
    m_copy->setFocus();
}

TKVORPowerDetails::~TKVORPowerDetails() {
    disconnect(m_focusWatch);
}

void TKVORPowerDetails::CheckFormSize() {
    m_lineHeight = ReportLineHeight();
    const int clientWidth = ReportTextWidth();
    BuildSummary();
    m_windowLines = ReportWindowLines(m_summary.Sections());
    const int textHeight = m_windowLines * m_lineHeight;
    const QSize close = m_close->sizeHint();
    const QSize help = m_help->sizeHint();
    // Close above Help beside the centred group, which is tall enough for both.
    QSize group = m_outputGroup->sizeHint();
    group.setHeight(std::max(group.height(), close.height() + help.height() + ButtonGap));
    const int left = (clientWidth - group.width()) / 2;
    const int buttonsLeft = left + group.width() + ButtonGap;
    const int buttonsTop = textHeight + (group.height() - close.height() - help.height()) / 2;
    m_richEdit->setGeometry(0, 0, clientWidth, textHeight);
    m_outputGroup->setGeometry(left, textHeight, group.width(), group.height());
    m_close->setGeometry(buttonsLeft, buttonsTop, close.width(), close.height());
    m_help->setGeometry(buttonsLeft, buttonsTop + close.height(), help.width(), help.height());
    setFixedSize(clientWidth, textHeight + group.height());
}

void TKVORPowerDetails::BuildSummary() {
    m_lines = kvor::BuildSummary(m_summary, m_separator);
    FillReportDocument(*m_richEdit->document(), m_lines);
    m_richEdit->moveCursor(QTextCursor::Start);
}

void TKVORPowerDetails::FocusChanged(QWidget* old, QWidget* now) {
    if (now != m_richEdit || old == nullptr) {
        return;
    }
    for (QPushButton* b : {m_copy, m_print, m_setup, m_close, m_help}) {
        if (old == b) {
            b->setFocus();
            return;
        }
    }
}

void TKVORPowerDetails::CopyButtonClick() {
    bool copied = false;
    {
        const BusyReport busy(this, true);
        m_richEdit->moveCursor(QTextCursor::Start);
        m_richEdit->selectAll();
        const QTextDocumentFragment all = m_richEdit->textCursor().selection();
        copied = m_output.Clipboard().SetRichText(all.toHtml(), all.toPlainText());
    }
    m_copy->setFocus();
    if (!copied) {
        Tell(m_output.Messages(), MessageKind::Error, T::CopyError);
    }
}

void TKVORPowerDetails::PrintButtonClick() {
    if (!StartPrintAction(m_output, this, PrintCode)) {
        m_print->setFocus();
        return;
    }
    bool started = true;
    {
        const BusyReport busy(this, false);
        PrinterService& printer = m_output.Printer();
        const std::unique_ptr<PrintJob> job = printer.BeginDoc(T::PrintJobTitle);
        if (!job) {
            started = false;
        } else {
            try {
                DrawReportPage(*m_richEdit->document(), job->Painter(), printer.Metrics());
            } catch (const std::exception&) {
                m_output.PrintState = -2;
            }
            const bool finished = m_output.PrintState < 1 ? job->Abort() : job->End();
            if (!finished) {
                m_output.PrintState = -2;
            }
        }
    }
    if (!started) {
        Tell(m_output.Messages(), MessageKind::Error, OutputTexts::PrinterAccessError);
    } else {
        FinishPrintAction(m_output, T::PrintError);
    }
    m_print->setFocus();
}

void TKVORPowerDetails::PSetupButtonClick() {
    PrinterSetupAction(m_output, this);
    m_setup->setFocus();
}

void ShowPowerDetails(QWidget* parent, const VisRun& run, int runSelector,
                      const StudyDesign& design, char decimalSeparator, GraphOutputContext& output,
                      THelpSystem* help) {
    const VisRunKind kind = runSelector == 2 ? VisRunKind::Region : VisRunKind::Intervals;
    TKVORPowerDetails dialog(SummaryOf(design, run, kind), decimalSeparator, output, parent);
    if (help == nullptr) {
        help = MainHelpOf(parent);
    }
    if (help != nullptr) {
        QObject::connect(&dialog, &TKVORPowerDetails::HelpRequested, help,
                         [help](int topic) { help->ShowTopic(topic); });
        help->ConnectPopups(dialog);
    }
    dialog.exec();
}

} // namespace kvor
