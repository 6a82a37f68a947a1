#include "graphs/ui/GraphOutputGroup.h"

#include "app/ControlFactory.h"
#include "graphs/ExportName.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/OutputTexts.h"
#include "graphs/ui/PrintActions.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace kvor {

namespace {

constexpr int ExportWidth = 1920;
constexpr int ExportHeight = 1440;
constexpr int ExportMargin = 3;

// The dialog busy and disabled for the lifetime of the guard.
class BusyDialog {
public:
    explicit BusyDialog(QWidget* dialog) : m_dialog(dialog) {
        m_dialog->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_dialog->setEnabled(false);
    }
    ~BusyDialog() {
        QApplication::processEvents();
        m_dialog->setEnabled(true);
        QApplication::restoreOverrideCursor();
    }
    BusyDialog(const BusyDialog&) = delete;
    BusyDialog& operator=(const BusyDialog&) = delete;

private:
    QWidget* m_dialog;
};

} // namespace

TGraphOutputGroup::TGraphOutputGroup(TGraph& graph, GraphOutputContext& output,
                                     GraphOutputSpec spec, QWidget* parent)
    : QWidget(parent), m_graph(graph), m_output(output), m_spec(std::move(spec)) {
    using namespace ControlFactory;
    const auto text = [this](std::size_t i, const QString& usual) {
        return m_spec.Captions[i].isEmpty() ? usual : m_spec.Captions[i];
    };
    const auto name = [this](std::size_t i, const char* usual) {
        return m_spec.Names[i].isEmpty() ? QString::fromLatin1(usual) : m_spec.Names[i];
    };
    m_bmp = Radio(this, name(0, "BMPRadioButton"), text(0, OutputTexts::Bitmap), m_spec.Help[0]);
    m_emf = Radio(this, name(1, "EMFRadioButton"), text(1, OutputTexts::Metafile), m_spec.Help[1]);
    Exclusive(this, {m_bmp, m_emf});
    m_bmp->setChecked(true);
    QPushButton* copy =
        Button(this, name(2, "CopyButton"), text(2, OutputTexts::Copy), m_spec.Help[2]);
    QPushButton* file =
        Button(this, name(3, "FileButton"), text(3, OutputTexts::DiskFile), m_spec.Help[3]);
    QPushButton* setup =
        Button(this, name(4, "PSetupButton"), text(4, OutputTexts::PrinterSetup), m_spec.Help[4]);
    m_print = Button(this, name(5, "PrintButton"), text(5, OutputTexts::Print), m_spec.Help[5]);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_bmp, 0, 0);
    layout->addWidget(m_emf, 1, 0);
    layout->addWidget(copy, 0, 1);
    layout->addWidget(file, 1, 1);
    layout->addWidget(setup, 0, 2);
    layout->addWidget(m_print, 1, 2);
    connect(copy, &QPushButton::clicked, this, &TGraphOutputGroup::CopyButtonClick);
    connect(file, &QPushButton::clicked, this, &TGraphOutputGroup::FileButtonClick);
    connect(setup, &QPushButton::clicked, this, &TGraphOutputGroup::PSetupButtonClick);
    connect(m_print, &QPushButton::clicked, this, &TGraphOutputGroup::PrintButtonClick);
}

bool TGraphOutputGroup::Bitmap() const {
    return m_bmp->isChecked();
}

void TGraphOutputGroup::Done() {
    if (Restored) {
        Restored();
    }
}

void TGraphOutputGroup::CopyButtonClick() {
    const bool bitmap = Bitmap();
    const bool copied = bitmap ? CustomBitmap(m_graph, ExportWidth, ExportHeight, {}, ExportMargin,
                                              m_output.Clipboard())
                               : CustomEMF(m_graph, ExportWidth, ExportHeight, {}, ExportMargin,
                                           m_output.Clipboard());
    if (!copied) {
        MessageService& messages = m_output.Messages();
        messages.MessageBeep();
        messages.ShowMessage(MessageKind::Error,
                             bitmap ? OutputTexts::BitmapCopyError : OutputTexts::MetafileCopyError,
                             MessageButtons::Ok);
    }
}

void TGraphOutputGroup::FileButtonClick() {
    const bool bitmap = Bitmap();
    const QString name = ChooseExportFileName(m_output, Dialog(), m_output.ExportFolder,
                                              bitmap ? m_spec.BitmapKind : m_spec.MetafileKind);
    if (name.isEmpty()) {
        return;
    }
    bool written = false;
    {
        const BusyDialog busy(Dialog());
        m_output.ExportFolder = QString::fromStdString(ExportFolderOf(name.toStdString()));
        written = bitmap ? CustomBitmap(m_graph, ExportWidth, ExportHeight, name, ExportMargin,
                                        m_output.Clipboard())
                         : CustomEMF(m_graph, ExportWidth, ExportHeight, name, ExportMargin,
                                     m_output.Clipboard());
    }
    if (!written) {
        MessageService& messages = m_output.Messages();
        messages.MessageBeep();
        messages.ShowMessage(MessageKind::Error,
                             bitmap ? OutputTexts::BitmapWriteError
                                    : OutputTexts::MetafileWriteError,
                             MessageButtons::Ok);
    }
    Done();
}

void TGraphOutputGroup::PSetupButtonClick() {
    PrinterSetupAction(m_output, Dialog());
    Done();
}

void TGraphOutputGroup::SetPrintJob(int printCode, const QString& jobTitle) {
    m_spec.PrintCode = printCode;
    m_spec.JobTitle = jobTitle;
}

void TGraphOutputGroup::PrintButtonClick() {
    if (!StartPrintAction(m_output, Dialog(), m_spec.PrintCode)) {
        return;
    }
    {
        const BusyDialog busy(Dialog());
        PrintGraph(m_graph, m_output.Printer(), m_spec.JobTitle,
                   m_spec.PrintOptions != nullptr ? *m_spec.PrintOptions : m_output.DesignOptions,
                   m_output.PrintState);
    }
    Done();
    FinishPrintAction(m_output, OutputTexts::GraphPrintError);
    m_print->setFocus();
}

} // namespace kvor
