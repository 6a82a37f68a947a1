#include "app/StudyTab.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/ImportButtons.h"
#include "app/MainContext.h"
#include "app/MainTexts.h"
#include "app/NumEditRules.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "app/RunThread.h"
#include "app/VFDialogOpener.h"
#include "app/VarianceGroup.h"
#include "app/WidgetHelpers.h"
#include "app/WindowOutput.h"
#include "platform/MessageService.h"
#include "studies/DesignCheck.h"
#include "studies/FailedSet.h"
#include "studies/FailedSetExport.h"
#include "studies/RunControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace kvor {

namespace {

QGroupBox* Group(QWidget* parent, const QString& name, const QString& title) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

} // namespace

TStudyTab::TStudyTab(QChar letter, MainContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_letter(letter) {
    using namespace ControlFactory;
    const bool accuracy = letter == QLatin1Char('A');
    setObjectName(accuracy ? "AccuracyTabSheet" : "PowerTabSheet");

    m_dataGroup = Group(this, Name("DataGroupBox"), MainTexts::DataGroup);
    m_generateRadio = Radio(m_dataGroup, Name("GenerateRadioButton"), MainTexts::Generate, 210);
    m_rangeGroup = Group(m_dataGroup, Name("RangeGroupBox"), MainTexts::RangeGroup);
    m_minLabel = Label(m_rangeGroup, Name("MinLabel"), MainTexts::Minimum);
    m_maxLabel = Label(m_rangeGroup, Name("MaxLabel"), MainTexts::Maximum);
    m_minEdit = NumEdit(m_rangeGroup, context, Name("MinNumEdit"), DesignField::XMin, 212);
    m_maxEdit = NumEdit(m_rangeGroup, context, Name("MaxNumEdit"), DesignField::XMax, 214);
    m_distributionGroup =
        Group(m_dataGroup, Name("DistributionGroupBox"), MainTexts::DistributionGroup);
    m_uniformRadio =
        Radio(m_distributionGroup, Name("UniformRadioButton"), MainTexts::Uniform, 216);
    m_centralRadio =
        Radio(m_distributionGroup, Name("CentralRadioButton"), MainTexts::Central, 218);
    m_skewedRadio = Radio(m_distributionGroup, Name("SkewedRadioButton"), MainTexts::Skewed, 220);
    m_uniformRadio->setChecked(true);
    m_distributionGroup->setEnabled(false);
    m_readRadio = Radio(m_dataGroup, Name("ReadRadioButton"), MainTexts::Read, 221);
    m_importButton = Button(m_dataGroup, Name("ImportButton"), MainTexts::TextFile, 224);
    m_pasteButton = Button(m_dataGroup, Name("PasteButton"), MainTexts::Paste, 225);
    m_viewImportButton =
        Button(m_dataGroup, Name("VIButton"), MainTexts::View, accuracy ? 222 : 223);
    SetEnabled({m_importButton, m_pasteButton, m_viewImportButton}, false);
    m_fileLabel1 = Label(m_dataGroup, Name("FileLabel1"), QString());
    m_fileLabel2 = Label(m_dataGroup, Name("FileLabel2"), QString());

    m_targetSlopeLabel =
        Label(this, Name("TargetSlopeLabel"), accuracy ? MainTexts::TrueSlope : MainTexts::Slope);
    m_targetSlope = NumEdit(this, context, Name("TargetSlopeNumEdit"), DesignField::TrueSlope,
                            accuracy ? 230 : 410);
    m_targetInterceptLabel = Label(this, Name("TargetInterceptLabel"),
                                   accuracy ? MainTexts::TrueIntercept : MainTexts::Intercept);
    m_targetIntercept = NumEdit(this, context, Name("TargetInterceptNumEdit"),
                                DesignField::TrueIntercept, accuracy ? 232 : 412);
    m_seedCheck = Check(this, Name("SeedCheckBox"), MainTexts::FixedSeed, 264);

    m_regressionGroup = Group(this, Name("RegressionGroupBox"), MainTexts::RegressionGroup);
    m_olsRadio = Radio(m_regressionGroup, Name("OLSRadioButton"), MainTexts::OLS, 300);
    m_wlsRadio = Radio(m_regressionGroup, Name("WLSRadioButton"), MainTexts::WLS, 302);
    m_demingRadio = Radio(m_regressionGroup, Name("DemingRadioButton"), MainTexts::Deming, 304);
    m_yGroup = new TVarianceGroup(Name("Y"), {240, 244, 243, 242, 246, 248, 249, 250}, true,
                                  context, this);
    m_xGroup = new TVarianceGroup(Name("X"), {252, 256, 255, 254, 257, 258, 260, 261}, false,
                                  context, this);
    m_xGroup->DisableAll();
    m_vfButton = Button(this, Name("VFButton"), MainTexts::ViewVarianceFunctions, 263);
    m_assignButton =
        Button(this, Name("AssignButton"),
               accuracy ? MainTexts::CopyPowerSettings : MainTexts::CopyAccuracySettings,
               accuracy ? 262 : 423);
    m_beepCheck = Check(this, Name("BeepCheckBox"), MainTexts::Beep, 266);

    m_startButton = Button(this, Name("StartButton"), MainTexts::StartRun, 268);
    m_abortButton = Button(this, Name("AbortButton"), MainTexts::Abort, 272);
    m_abortButton->setEnabled(false);
    m_progressPanel = new QFrame(this);
    m_progressPanel->setObjectName(Name("ProgressPanel"));
    m_progressPanel->setFrameShape(QFrame::StyledPanel);
    m_progressPanel->setFrameShadow(QFrame::Sunken);
    SetHelpContext(m_progressPanel, 270);
    m_progLabel1 = Label(m_progressPanel, Name("ProgLabel1"), MainTexts::Progress);
    m_progLabel2 = Label(m_progressPanel, Name("ProgLabel2"), QString());
    ColourProgressLabels();
    m_run = new TRunThread(this);
    connect(m_run, &TRunThread::Finished, this, [this] { FinishRun(true); });
    connect(m_startButton, &QPushButton::clicked, this, &TStudyTab::StartButtonClick);
    m_progressTimer = new QTimer(this);
    // A few dozen progress updates a second at most, however fast the sets come.
    m_progressTimer->setInterval(40);
    connect(m_progressTimer, &QTimer::timeout, this, [this] { ProgressTick(); });
    connect(m_abortButton, &QPushButton::clicked, this, &TStudyTab::AAbortButtonClick);

    m_copyButton = Button(this, Name("CopyButton"), MainTexts::Copy, 312);
    m_printSetupButton = Button(this, Name("PrintSetupButton"), MainTexts::PrinterSetup, 314);
    m_printButton = Button(this, Name("PrintButton"), MainTexts::Print, 316);
    m_timePanel = Label(this, Name("TimePanel"), QString());
    m_timePanel->setFrameShape(QFrame::StyledPanel);
    m_timePanel->setFrameShadow(QFrame::Sunken);
    m_timePanel->setAlignment(Qt::AlignCenter);
    SetHelpContext(m_timePanel, 310);
    m_closeButton = Button(this, Name("CloseButton"), MainTexts::Close, 318);
    m_helpButton = Button(this, Name("HelpButton"), MainTexts::Help, accuracy ? 320 : 452);

    WireNumEdit(m_minEdit, DesignField::XMin);
    WireNumEdit(m_maxEdit, DesignField::XMax);
    WireNumEdit(m_yGroup->Constant(), DesignField::ConstantVariance);
    WireNumEdit(m_targetSlope, DesignField::TrueSlope);
    WireNumEdit(m_targetIntercept, DesignField::TrueIntercept);
    for (TVarianceGroup* group : {m_yGroup, m_xGroup}) {
        for (TQIVNumEdit* edit : group->NumEdits()) {
            WireNumEdit(edit, group->FieldOf(edit));
        }
        connect(group, &TVarianceGroup::FormClicked, this, [this, group] { FormClick(*group); });
        connect(group, &TVarianceGroup::ParaChanged, this,
                [this, group] { ParaSpinEditChange(*group); });
    }
    connect(m_vfButton, &QPushButton::clicked, this, [this] {
        if (m_letter == QLatin1Char('A')) {
            AVFButtonClick(*this, m_context);
        } else {
            PVFButtonClick(*this, m_context);
        }
    });
    connect(m_copyButton, &QPushButton::clicked, this,
            [this] { ACopyButtonClick(*this, m_context); });
    connect(m_printSetupButton, &QPushButton::clicked, this,
            [this] { APrintSetupButtonClick(*this, m_context); });
    connect(m_printButton, &QPushButton::clicked, this,
            [this] { APrintButtonClick(*this, m_context); });
    connect(m_importButton, &QPushButton::clicked, this, [this] { AImportButtonClick(*this); });
    connect(m_pasteButton, &QPushButton::clicked, this, [this] { APasteButtonClick(*this); });
    connect(m_viewImportButton, &QPushButton::clicked, this, [this] { PVIButtonClick(*this); });
    Exclusive(this, {m_generateRadio, m_readRadio});
    Exclusive(this, {m_uniformRadio, m_centralRadio, m_skewedRadio});
    Exclusive(this, {m_olsRadio, m_wlsRadio, m_demingRadio});
    for (QRadioButton* source : {m_generateRadio, m_readRadio}) {
        connect(source, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                GenerateRadioButtonClick();
            }
        });
    }
    for (QRadioButton* regression : {m_olsRadio, m_wlsRadio, m_demingRadio}) {
        connect(regression, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                OLSRadioButtonClick();
            }
        });
    }
    for (QRadioButton* distribution : {m_uniformRadio, m_centralRadio, m_skewedRadio}) {
        connect(distribution, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked && m_context.HandlersActive()) {
                ResetResults();
            }
        });
    }
}

void TStudyTab::Assemble(QWidget* designGroup, QWidget* results) {
    auto* range = new QGridLayout(m_rangeGroup);
    range->setContentsMargins(8, 4, 8, 6);
    range->addWidget(m_minLabel, 0, 0);
    range->addWidget(m_minEdit, 0, 1);
    range->addWidget(m_maxLabel, 1, 0);
    range->addWidget(m_maxEdit, 1, 1);
    auto* distribution = new QVBoxLayout(m_distributionGroup);
    distribution->setContentsMargins(8, 4, 8, 6);
    distribution->setSpacing(2);
    for (QRadioButton* b : {m_uniformRadio, m_centralRadio, m_skewedRadio}) {
        distribution->addWidget(b);
    }
    auto* data = new QVBoxLayout(m_dataGroup);
    data->setContentsMargins(8, 4, 8, 6);
    data->setSpacing(4);
    data->addWidget(m_generateRadio);
    data->addWidget(m_rangeGroup);
    data->addWidget(m_distributionGroup);
    data->addSpacing(6);
    data->addWidget(m_readRadio);
    auto* importRow = new QHBoxLayout;
    for (QPushButton* b : {m_importButton, m_pasteButton, m_viewImportButton}) {
        importRow->addWidget(b);
    }
    data->addLayout(importRow);
    data->addWidget(m_fileLabel1);
    data->addWidget(m_fileLabel2);
    m_dataExtras = new QHBoxLayout;
    data->addLayout(m_dataExtras);
    data->addStretch(1);

    auto* regression = new QHBoxLayout(m_regressionGroup);
    regression->setContentsMargins(8, 4, 8, 6);
    for (QRadioButton* b : {m_olsRadio, m_wlsRadio, m_demingRadio}) {
        regression->addWidget(b);
    }

    auto* column2 = new QVBoxLayout;
    column2->addWidget(designGroup);
    column2->addWidget(m_vfButton);
    column2->addWidget(m_assignButton);
    column2->addWidget(m_beepCheck);
    column2->addStretch(1);
    auto* column3 = new QVBoxLayout;
    column3->addWidget(m_regressionGroup);
    column3->addWidget(m_yGroup);
    column3->addWidget(m_xGroup);
    column3->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(m_dataGroup, 6);
    columns->addLayout(column2, 9);
    columns->addLayout(column3, 10);

    auto* progress = new QHBoxLayout(m_progressPanel);
    progress->setContentsMargins(6, 2, 6, 2);
    progress->addWidget(m_progLabel1);
    progress->addWidget(m_progLabel2, 1);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(m_startButton);
    runRow->addWidget(m_abortButton);
    runRow->addWidget(m_progressPanel, 1);

    auto* lowerRow = new QHBoxLayout;
    for (QPushButton* b : {m_copyButton, m_printSetupButton, m_printButton}) {
        lowerRow->addWidget(b);
    }
    lowerRow->addStretch(1);
    lowerRow->addWidget(m_timePanel);
    lowerRow->addStretch(1);
    lowerRow->addWidget(m_closeButton);
    lowerRow->addWidget(m_helpButton);

    auto* sheet = new QVBoxLayout(this);
    sheet->setContentsMargins(6, 6, 6, 6);
    sheet->setSpacing(5);
    sheet->addLayout(columns);
    sheet->addLayout(runRow);
    sheet->addWidget(results, 1);
    sheet->addLayout(lowerRow);
}

bool TStudyTab::Generating() const {
    return m_generateRadio->isChecked();
}

bool TStudyTab::DataReady() const {
    return Generating() || m_imported.Count > 0;
}

RegressionType TStudyTab::Regression() const {
    if (m_wlsRadio->isChecked()) {
        return RegressionType::WLS;
    }
    return m_demingRadio->isChecked() ? RegressionType::Deming : RegressionType::OLS;
}

QRadioButton* TStudyTab::RegressionButton(RegressionType type) const {
    switch (type) {
    case RegressionType::WLS:
        return m_wlsRadio;
    case RegressionType::Deming:
        return m_demingRadio;
    default:
        return m_olsRadio;
    }
}

bool TStudyTab::RunActive() const {
    return m_run->Running();
}

void TStudyTab::AAbortButtonClick() {
    m_context.AbortFlag() = false;
}

QWidget* TStudyTab::FocusWidget(DesignFocus focus) const {
    switch (focus) {
    case DesignFocus::Minimum:
        return m_minEdit;
    case DesignFocus::Maximum:
        return m_maxEdit;
    case DesignFocus::Variance:
        return m_yGroup->Constant();
    case DesignFocus::YB1:
        return m_yGroup->B1();
    case DesignFocus::XB1:
        return m_xGroup->B1();
    case DesignFocus::None:
        break;
    }
    return nullptr;
}

void TStudyTab::StartButtonClick() {
    if (RunActive() || m_context.RunUnderWay()) {
        return;
    }
    StudyDesign design;
    if (!PrepareRun(design)) {
        return;
    }
    ShutDown();
    BeginRun();
    m_runDesign = design;
    RunControl control;
    control.AbortFlag = &m_context.AbortFlag();
    control.Progress = [this](int count) { m_progress.store(count, std::memory_order_relaxed); };
    control.DecimalSeparator = m_context.SeparatorChar();
    control.Threads = AllCores();
    LaunchRun(design, control);
}

void TStudyTab::StopRun() {
    if (!RunActive()) {
        return;
    }
    m_context.AbortFlag() = false;
    m_run->Join();
    FinishRun(false);
}

void TStudyTab::FinishRun(bool interactive) {
    EndProgress();
    if (RunCompleted()) {
        ShowCompletedRun();
        if (interactive && m_beepCheck->isChecked()) {
            m_context.Messages().MessageBeep();
        }
        if (interactive) {
            ReportCompletedRun();
        }
    } else {
        if (const FailedSet* failed = RunFailure(); interactive && failed != nullptr) {
            OfferFailedSetExport(*failed);
        }
        ShowEndedRun();
    }
    m_context.AbortFlag() = false;
}

void TStudyTab::CommitFocusedEntry() {
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && isAncestorOf(focused)) {
        if (auto* edit = qobject_cast<TQIVNumEdit*>(focused)) {
            edit->DoExit();
        } else if (auto* spin = qobject_cast<TQIVSpinEdit*>(focused)) {
            spin->DoExit();
        }
    }
}

bool TStudyTab::PrepareRun(StudyDesign& design) {
    CommitFocusedEntry();
    MessageService& messages = m_context.Messages();
    if (!Generating() && m_imported.Count == 0) {
        m_importButton->setFocus(Qt::OtherFocusReason);
        messages.MessageBeep();
        messages.ShowMessage(MessageKind::Error, MainTexts::NoPairsImported, MessageButtons::Ok);
        return false;
    }
    m_startButton->setFocus(Qt::OtherFocusReason);
    window()->setEnabled(false);
    design = ReadStudyDesign();
    const StudyTab tab = m_letter == QLatin1Char('A') ? StudyTab::Accuracy : StudyTab::Power;
    const char separator = m_context.SeparatorChar();
    const DesignCheckResult check = CheckDesign(design, tab, ExtremesOf(m_imported), separator);
    window()->setEnabled(true);
    if (check.Passed) {
        return true;
    }
    if (QWidget* control = FocusWidget(check.Focus)) {
        control->setFocus(Qt::OtherFocusReason);
    }
    messages.MessageBeep();
    messages.ShowMessage(MessageKind::Information, QString::fromStdString(check.Message),
                         MessageButtons::Ok);
    return false;
}

void TStudyTab::ShutDownDesign() {
    QList<QWidget*> controls{m_dataGroup,
                             m_generateRadio,
                             m_readRadio,
                             m_rangeGroup,
                             m_minLabel,
                             m_maxLabel,
                             m_minEdit,
                             m_maxEdit,
                             m_distributionGroup,
                             m_uniformRadio,
                             m_centralRadio,
                             m_skewedRadio,
                             m_importButton,
                             m_pasteButton,
                             m_viewImportButton,
                             m_fileLabel1,
                             m_fileLabel2,
                             m_targetSlopeLabel,
                             m_targetSlope,
                             m_targetInterceptLabel,
                             m_targetIntercept,
                             m_regressionGroup,
                             m_olsRadio,
                             m_wlsRadio,
                             m_demingRadio,
                             m_yGroup->FunctionLabel(),
                             m_yGroup->ConstantLabel(),
                             m_yGroup->Constant(),
                             m_assignButton,
                             m_vfButton,
                             m_seedCheck,
                             m_copyButton,
                             m_printSetupButton,
                             m_printButton,
                             m_helpButton};
    for (QWidget* w : controls) {
        w->setEnabled(false);
    }
    m_yGroup->DisableAll();
    m_xGroup->DisableAll();
}

void TStudyTab::ReopenDesign(bool copyWithoutPairs) {
    SetEnabled({m_dataGroup, m_regressionGroup, m_generateRadio, m_readRadio}, true);
    const bool pairs = m_imported.Count > 0;
    if (Generating()) {
        SetEnabled({m_rangeGroup, m_minLabel, m_maxLabel, m_minEdit, m_maxEdit, m_distributionGroup,
                    m_uniformRadio, m_centralRadio, m_skewedRadio, m_yGroup->FunctionLabel(),
                    m_yGroup->ConstantLabel(), m_yGroup->Constant(), m_assignButton, m_vfButton},
                   true);
    } else {
        m_importButton->setEnabled(true);
        m_pasteButton->setEnabled(MainContext::ClipboardOffersText());
        m_viewImportButton->setEnabled(pairs);
        m_assignButton->setEnabled(pairs || copyWithoutPairs);
        SetEnabled({m_fileLabel1, m_fileLabel2}, true);
        m_vfButton->setEnabled(!m_olsRadio->isChecked());
    }
    SetEnabled({m_targetSlopeLabel, m_targetSlope, m_targetInterceptLabel, m_targetIntercept,
                m_olsRadio, m_wlsRadio, m_demingRadio},
               true);
    m_yGroup->EnableFunction(true);
    if (m_demingRadio->isChecked()) {
        m_xGroup->EnableFunction(true);
    }
}

void TStudyTab::ReopenRunRow() {
    m_startButton->setEnabled(true);
    m_abortButton->setEnabled(false);
    SetEnabled({m_copyButton, m_printSetupButton, m_printButton, m_helpButton}, true);
    m_startButton->setFocus(Qt::OtherFocusReason);
}

void TStudyTab::BeginRun() {
    m_abortButton->setEnabled(true);
    m_abortButton->setFocus(Qt::OtherFocusReason);
    m_startButton->setEnabled(false);
    m_context.AbortFlag() = true;
    m_progress = 0;
    m_progressTimer->start();
}

void TStudyTab::EndProgress() {
    m_progressTimer->stop();
    ProgressTick();
}

void TStudyTab::ProgressTick() {
    const int count = m_progress.load(std::memory_order_relaxed);
    if (count > 0) {
        m_progLabel2->setText(QString::number(count));
    }
}

void TStudyTab::OfferFailedSetExport(const FailedSet& failed) {
    MessageService& messages = m_context.Messages();
    messages.MessageBeep();
    const MessageAnswer answer = messages.ShowMessage(
        MessageKind::Information, QString::fromStdString(failed.Message), MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) {
        return;
    }
    const std::filesystem::path file =
        std::filesystem::path(m_context.HomeFolder().toStdString()) / FailedSetFileName;
    const char separator = m_context.SeparatorChar();
    if (!ExportFailedSet(file, failed, separator).Ok) {
        messages.MessageBeep();
        messages.ShowMessage(
            MessageKind::Error,
            QString::fromStdString(FailedSetExportErrorText(m_context.HomeFolder().toStdString())),
            MessageButtons::Ok);
    }
}

void TStudyTab::DesignChanged() {
    ResetResults();
    m_context.ResetVFGraphState();
}

void TStudyTab::ColourProgressLabels() {
    for (QLabel* label : {m_progLabel1, m_progLabel2}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(palette);
    }
}

void TStudyTab::WireNumEdit(TQIVNumEdit* edit, DesignField field) {
    connect(edit, &QLineEdit::textChanged, this, [this, edit, field] {
        if (!m_context.HandlersActive()) {
            return;
        }
        DesignChanged();
        AdjustMinValue(*edit, field);
    });
    connect(edit, &TQIVNumEdit::Exit, this, [this, edit, field] {
        const double value = NormalisedExitValue(*edit, field);
        {
            const HandlersPause pause(m_context);
            edit->SetValue(value);
        }
        AdjustMinValue(*edit, field);
    });
}

void TStudyTab::GenerateRadioButtonClick() {
    const UpdatesSuspended suspended(*this);
    const bool generate = Generating();
    const bool pairs = m_imported.Count > 0;
    const bool ready = generate || pairs;
    const bool deming = m_demingRadio->isChecked();
    SetEnabled({m_rangeGroup, m_minLabel, m_maxLabel, m_minEdit, m_maxEdit, m_distributionGroup,
                m_uniformRadio, m_centralRadio, m_skewedRadio},
               generate);
    m_importButton->setEnabled(!generate);
    m_pasteButton->setEnabled(!generate && MainContext::ClipboardOffersText());
    m_viewImportButton->setEnabled(!generate && pairs);
    SetEnabled({m_fileLabel1, m_fileLabel2}, !generate);
    SetEnabled({m_yGroup->FunctionLabel(), m_yGroup->ConstantLabel(), m_yGroup->Constant()},
               generate);
    m_yGroup->EnableFunction(ready);
    m_xGroup->EnableFunction(deming && ready);
    m_assignButton->setEnabled(ready);
    m_vfButton->setEnabled(generate || (pairs && !m_olsRadio->isChecked()));
    OnDataSource(generate);
    ResetResults();
    AfterDataSource();
    m_context.ResetVFGraphState();
    if (generate) {
        m_minEdit->setFocus(Qt::OtherFocusReason);
    } else {
        m_importButton->setFocus(Qt::OtherFocusReason);
    }
}

void TStudyTab::OLSRadioButtonClick() {
    const UpdatesSuspended suspended(*this);
    DesignChanged();
    const bool ready = DataReady();
    const RegressionType type = Regression();
    if (type == RegressionType::OLS) {
        m_yGroup->setTitle(MainTexts::YVarianceGroup);
        m_yGroup->ShowFunction(false);
        for (QWidget* w : std::initializer_list<QWidget*>{
                 m_yGroup->FunctionLabel(), m_yGroup->ConstantLabel(), m_yGroup->Constant()}) {
            w->show();
            w->setEnabled(Generating());
        }
        m_assignButton->setEnabled(ready);
        m_vfButton->setEnabled(Generating());
        if (m_xGroup->isEnabled()) {
            m_xGroup->DisableAll();
        }
        return;
    }
    m_yGroup->setTitle(MainTexts::YVarianceFunctionGroup);
    m_assignButton->setEnabled(ready);
    m_vfButton->setEnabled(ready);
    if (!m_yGroup->FunctionLabel()->isHidden()) {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 m_yGroup->FunctionLabel(), m_yGroup->ConstantLabel(), m_yGroup->Constant()}) {
            w->hide();
        }
        m_yGroup->ShowFunction(true);
        m_yGroup->EnableFunction(ready);
    }
    if (type == RegressionType::WLS) {
        if (m_xGroup->isEnabled()) {
            m_xGroup->DisableAll();
        }
    } else {
        m_xGroup->EnableFunction(ready);
    }
}

void TStudyTab::FormClick(TVarianceGroup& group) {
    const UpdatesSuspended suspended(*this);
    DesignChanged();
    const RegressionType type = Regression();
    const bool paraEnabled =
        &group == m_yGroup ? type != RegressionType::OLS : type == RegressionType::Deming;
    group.ApplyForm(paraEnabled);
}

void TStudyTab::ParaSpinEditChange(TVarianceGroup& group) {
    // The caption follows Para also when a value is copied with the handlers paused.
    group.UpdateParaCaption();
    if (m_context.HandlersActive()) {
        DesignChanged();
    }
}

void TStudyTab::ImportCommitted(const QString& label1, const QString& label2, bool clearResults) {
    m_context.ResetVFGraphState();
    if (clearResults) {
        ResetResults();
    }
    m_fileLabel1->setText(label1);
    m_fileLabel2->setText(label2);
    SetEnabled({m_yGroup->FunctionLabel(), m_yGroup->ConstantLabel(), m_yGroup->Constant()}, false);
    OnImportCommitted();
    m_assignButton->setEnabled(true);
    const RegressionType type = Regression();
    if (type != RegressionType::OLS) {
        m_yGroup->EnableFunction(true);
        m_vfButton->setEnabled(true);
    }
    if (type == RegressionType::Deming) {
        m_xGroup->EnableFunction(true);
    }
    m_viewImportButton->setEnabled(true);
}

StudyDesign TStudyTab::ReadStudyDesign() const {
    StudyDesign design;
    design.TrueSlope = m_targetSlope->Value();
    design.TrueIntercept = m_targetIntercept->Value();
    design.DataSource = Generating() ? DataSource::Generate : DataSource::Import;
    design.XMin = m_minEdit->Value();
    design.XMax = m_maxEdit->Value();
    design.XDist = m_uniformRadio->isChecked()   ? XDistribution::Uniform
                   : m_centralRadio->isChecked() ? XDistribution::CentrallyLocated
                                                 : XDistribution::RightSkewed;
    design.Regression = Regression();
    design.ConstantVariance = m_yGroup->Constant()->Value();
    design.YVariance = m_yGroup->Read();
    design.XVariance = m_xGroup->Read();
    design.FixedSeed = m_seedCheck->isChecked();
    design.BeepOnCompletion = m_beepCheck->isChecked();
    return design;
}

QList<TQIVNumEdit*> TStudyTab::NumEdits() const {
    QList<TQIVNumEdit*> edits{m_minEdit, m_maxEdit, m_yGroup->Constant()};
    edits += m_yGroup->NumEdits();
    edits += m_xGroup->NumEdits();
    edits += {m_targetSlope, m_targetIntercept};
    return edits;
}

QWidget* TStudyTab::CheckedDataSourceButton() const {
    return Generating() ? m_generateRadio : m_readRadio;
}

void TStudyTab::SetTimeText(const QString& text, bool relayout) {
    m_timePanel->setText(text);
    if (relayout) {
        const QFontMetrics metrics(m_timePanel->font());
        m_timePanel->setFixedWidth(metrics.horizontalAdvance(text + QStringLiteral("   ")) +
                                   2 * m_timePanel->frameWidth());
    }
}

} // namespace kvor
