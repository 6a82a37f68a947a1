#include "app/AccuracyTab.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "app/MainTexts.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "app/RunThread.h"
#include "app/SampleLinesOpener.h"
#include "app/VarianceGroup.h"
#include "app/WidgetHelpers.h"
#include "engine/DesignLimits.h"
#include "engine/DigitCount.h"
#include "graphs/SampleLinesModel.h"
#include "platform/MessageService.h"

#include <QCheckBox>
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

QLabel* ResultLabel(QWidget* parent, const QString& name, const QString& text, int help) {
    auto* label = ControlFactory::Label(parent, name, text);
    SetHelpContext(label, help);
    label->setEnabled(false);
    return label;
}

// The new upper bound with a length limit of its digits. The limit never drops below the digits
// of the lower bound: a shorter limit would cut the text the edit holds.
void SetLimit(TQIVSpinEdit& edit, int max) {
    edit.SetMaxValue(max);
    edit.setMaxLength(DigitCount(std::max(max, edit.MinValue())));
}

} // namespace

TAccuracyTab::TAccuracyTab(MainContext& context, QWidget* parent)
    : TStudyTab(QLatin1Char('A'), context, parent) {
    using namespace ControlFactory;
    m_samplingGroup = new QGroupBox(MainTexts::SamplingGroup, m_dataGroup);
    m_samplingGroup->setObjectName("ASamplingGroupBox");
    m_randomRadio = Radio(m_samplingGroup, "ARandomRadioButton", MainTexts::RandomDraw, 226);
    m_sequentialRadio =
        Radio(m_samplingGroup, "ASequentialRadioButton", MainTexts::SequentialDraw, 228);
    Exclusive(this, {m_randomRadio, m_sequentialRadio});
    m_randomRadio->setChecked(true);
    SetEnabled({m_samplingGroup, m_randomRadio, m_sequentialRadio}, false);
    auto* sampling = new QVBoxLayout(m_samplingGroup);
    sampling->setContentsMargins(8, 4, 8, 6);
    sampling->setSpacing(2);
    sampling->addWidget(m_randomRadio);
    sampling->addWidget(m_sequentialRadio);
    for (QRadioButton* b : {m_randomRadio, m_sequentialRadio}) {
        connect(b, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked && m_context.HandlersActive()) {
                ResetResults();
            }
        });
    }

    m_samplesLabel = Label(this, "ASamplesLabel", MainTexts::SetsPerRun);
    m_samples = SpinEdit(this, context, "ASamplesSpinEdit", DesignField::SetsPerRun, 234);
    m_sizeLabel = Label(this, "ASizeLabel", MainTexts::PairsN);
    m_size = SpinEdit(this, context, "ASizeSpinEdit", DesignField::N, 236);
    for (TQIVSpinEdit* edit : {m_samples, m_size}) {
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (m_context.HandlersActive()) {
                ResetResults();
            }
        });
    }
    connect(m_samples, &TQIVSpinEdit::Exit, this, &TAccuracyTab::SamplesSpinEditExit);
    connect(m_size, &TQIVSpinEdit::Exit, this, &TAccuracyTab::SizeSpinEditExit);

    QWidget* design = BuildDesignGroup();
    QWidget* results = BuildResults();
    Assemble(design, results);
    m_dataExtras->addWidget(m_samplingGroup);
}

QWidget* TAccuracyTab::BuildDesignGroup() {
    auto* group = new QGroupBox(MainTexts::DesignGroup, this);
    group->setObjectName("ADesignGroupBox");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->addWidget(m_targetSlopeLabel, 0, 0);
    grid->addWidget(m_targetSlope, 0, 1);
    grid->addWidget(m_targetInterceptLabel, 1, 0);
    grid->addWidget(m_targetIntercept, 1, 1);
    grid->addWidget(m_samplesLabel, 2, 0);
    grid->addWidget(m_samples, 2, 1);
    grid->addWidget(m_sizeLabel, 3, 0);
    grid->addWidget(m_size, 3, 1);
    grid->addWidget(m_seedCheck, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_targetSlopeLabel, m_targetSlope, m_targetInterceptLabel, m_targetIntercept,
             m_samplesLabel, m_samples, m_sizeLabel, m_size, m_seedCheck}) {
        w->setParent(group);
    }
    return group;
}

QWidget* TAccuracyTab::BuildResults() {
    auto* group = new QGroupBox(MainTexts::AccuracyResultsGroup, this);
    group->setObjectName("AResultsGroupBox");
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 4, 8, 6);

    // Means, SDs, Z and P of the fitted slopes and intercepts.
    auto* fits = new QGridLayout;
    fits->setVerticalSpacing(4);
    struct FitRow {
        const char* Name;
        const char* Caption;
        const char* Z;
        const char* P;
        int Help;
    };
    const FitRow fitRows[] = {
        {"Slope", MainTexts::MeanSlope, "SlopeZLabel", "SlopePLabel", 274},
        {"Int", MainTexts::MeanIntercept, "InterceptZLabel", "InterceptPLabel", 277}};
    int r = 0;
    for (const FitRow& fit : fitRows) {
        const QString name(fit.Name);
        auto* meanLabel = ResultLabel(group, "A" + name + "MeanLabel", fit.Caption, fit.Help);
        auto* sdLabel = ResultLabel(group, "A" + name + "SDLabel", MainTexts::SD, fit.Help + 1);
        auto* zLabel = ResultLabel(group, "A" + name + "ZCaption", MainTexts::Z, fit.Help + 2);
        auto* pLabel = ResultLabel(group, "A" + name + "PCaption", MainTexts::P, fit.Help + 2);
        // The means, SDs, Z and P share their columns, so they share one width.
        const std::initializer_list<PanelFormat> formats = {PanelFormat::A, PanelFormat::Z,
                                                            PanelFormat::P};
        auto* mean =
            ControlFactory::ResultPanel(group, "A" + name + "MeanPanel", fit.Help, formats);
        auto* sd =
            ControlFactory::ResultPanel(group, "A" + name + "SDPanel", fit.Help + 1, formats);
        auto* z = ControlFactory::ResultPanel(group, fit.Z, fit.Help + 2, formats);
        auto* p = ControlFactory::ResultPanel(group, fit.P, fit.Help + 2, formats);
        fits->addWidget(meanLabel, r, 0);
        fits->addWidget(mean, r, 1);
        fits->addWidget(sdLabel, r, 2);
        fits->addWidget(sd, r, 3);
        fits->addWidget(zLabel, r + 1, 0, Qt::AlignRight);
        fits->addWidget(z, r + 1, 1);
        fits->addWidget(pLabel, r + 1, 2, Qt::AlignRight);
        fits->addWidget(p, r + 1, 3);
        m_resultLabels << meanLabel << sdLabel << zLabel << pLabel;
        m_resultPanels << mean << sd << z << p;
        r += 2;
    }
    m_linesButton = ControlFactory::Button(group, "ALinesButton", MainTexts::ViewResults, 281);
    m_linesButton->setEnabled(false);
    connect(m_linesButton, &QPushButton::clicked, this,
            [this] { ALinesButtonClick(*this, m_context); });
    fits->addWidget(m_linesButton, r, 0, 1, 2, Qt::AlignLeft);
    fits->setRowStretch(r + 1, 1);
    m_resultLabels << m_linesButton;
    row->addLayout(fits);
    row->addSpacing(16);

    // How often the intervals and the joint region enclosed the true values: three columns,
    // each with its two-line caption over its own 95% and 99% rows.
    struct EnclosureColumn {
        const char* Head;
        const char* HeadText;
        const char* Sub;
        const char* SubText;
        const char* Key;
        int Help;
    };
    const EnclosureColumn columns[] = {
        {"ASlopeHLabel", MainTexts::SlopeHeader, "ASlopeCILabel", MainTexts::ConfidenceInterval,
         "SlopeCI", 284},
        {"AIntHLabel", MainTexts::InterceptHeader, "AIntCILabel", MainTexts::ConfidenceInterval,
         "IntCI", 286},
        {"ACRHLabel", MainTexts::JointHeader, "ACRLabel", MainTexts::ConfidenceRegion, "CR", 288},
    };
    for (const EnclosureColumn& column : columns) {
        auto* enclosure = new QGridLayout;
        enclosure->setVerticalSpacing(4);
        enclosure->setHorizontalSpacing(6);
        auto* head = ResultLabel(group, column.Head, column.HeadText, column.Help);
        auto* sub = ResultLabel(group, column.Sub, column.SubText, column.Help);
        enclosure->addWidget(head, 0, 0, 1, 2, Qt::AlignCenter);
        enclosure->addWidget(sub, 1, 0, 1, 2, Qt::AlignCenter);
        m_resultLabels << head << sub;
        int level = 2;
        for (const char* percent : {"95", "99"}) {
            const QString key = QString("A%1%2").arg(percent, column.Key);
            auto* label =
                ResultLabel(group, key + "Label", level == 2 ? MainTexts::At95 : MainTexts::At99,
                            column.Help + level - 2);
            auto* panel = ControlFactory::ResultPanel(group, key + "Panel", column.Help + level - 2,
                                                      {PanelFormat::Percentage});
            enclosure->addWidget(label, level, 0, Qt::AlignRight);
            enclosure->addWidget(panel, level, 1, Qt::AlignLeft);
            m_resultLabels << label;
            m_resultPanels << panel;
            ++level;
        }
        enclosure->setRowStretch(4, 1);
        row->addLayout(enclosure);
        row->addSpacing(18);
    }
    row->addStretch(1);
    return group;
}

bool TAccuracyTab::SeedAllowed() const {
    return Generating() || m_imported.Count == 0 || m_randomRadio->isChecked();
}

void TAccuracyTab::ResetResults() {
    ColourProgressLabels();
    m_progLabel2->clear();
    m_seedCheck->setEnabled(SeedAllowed());
    if (m_resultLabels.front()->isEnabled()) { // results on display
        for (QWidget* label : m_resultLabels) {
            label->setEnabled(false);
        }
        for (QLabel* panel : m_resultPanels) {
            panel->clear();
        }
    }
}

QList<QLabel*> TAccuracyTab::NumberTexts() const {
    return m_resultPanels;
}

void TAccuracyTab::OnDataSource(bool generate) {
    const bool sampling = !generate && m_imported.Count > 0;
    SetEnabled({m_samplingGroup, m_randomRadio, m_sequentialRadio}, sampling);
}

void TAccuracyTab::OnImportCommitted() {
    SetEnabled({m_samplingGroup, m_randomRadio, m_sequentialRadio}, true);
    UpdateSampling();
}

void TAccuracyTab::UpdateSampling() {
    const HandlersPause pause(m_context);
    const int pool = Generating() ? 0 : m_imported.Count;
    const SamplingLimits limits = kvor::UpdateSampling(pool, m_samples->Value(), m_size->Value());
    SetLimit(*m_samples, limits.MaxSets);
    SetLimit(*m_size, limits.MaxN);
    m_samples->SetValue(limits.Sets);
    m_size->SetValue(limits.N);
}

void TAccuracyTab::SamplesSpinEditExit() {
    if (Generating() || m_imported.Count == 0) {
        return;
    }
    SetLimit(*m_size, MaxNForSets(m_imported.Count, m_samples->Value()));
}

void TAccuracyTab::SizeSpinEditExit() {
    if (Generating() || m_imported.Count == 0) {
        return;
    }
    SetLimit(*m_samples, MaxSetsForN(m_imported.Count, m_size->Value()));
}

StudyDesign TAccuracyTab::ReadStudyDesign() const {
    StudyDesign design = TStudyTab::ReadStudyDesign();
    design.N = m_size->Value();
    design.SetsPerRun = m_samples->Value();
    design.ImportSampling =
        m_randomRadio->isChecked() ? ImportSampling::Random : ImportSampling::Sequential;
    return design;
}

void TAccuracyTab::LaunchRun(const StudyDesign& design, const RunControl& shared) {
    m_outcome = {};
    AccuracyRunControl control;
    static_cast<RunControl&>(control) = shared;
    const kvor::ImportedData* imported = Generating() ? nullptr : &m_imported;
    m_run->Start([this, design, imported, control] {
        m_outcome = ACalculations(design, imported, *m_runResults, control);
    });
}

bool TAccuracyTab::RunCompleted() const {
    return m_outcome.End == RunEnd::Completed && m_outcome.Results;
}

const FailedSet* TAccuracyTab::RunFailure() const {
    return m_outcome.End == RunEnd::Failed && m_outcome.Failure ? &*m_outcome.Failure : nullptr;
}

void TAccuracyTab::ShowCompletedRun() {
    ShowResults(m_outcome.Results->Panels);
    SetLinesOptionsAfterRun(m_context.Output().DesignOptions, m_outcome.Results->LinesZeroOrigin);
    AReopen(true);
}

void TAccuracyTab::ReportCompletedRun() {
    const int valid = m_outcome.Results->ValidCount;
    if (valid < m_runDesign.SetsPerRun) {
        MessageService& messages = m_context.Messages();
        messages.MessageBeep();
        messages.ShowMessage(MessageKind::Information,
                             MainTexts::SetsLeftOut(valid, m_runDesign.SetsPerRun),
                             MessageButtons::Ok);
    }
}

void TAccuracyTab::ShowEndedRun() {
    AReopen(false);
    m_progLabel2->clear();
}

void TAccuracyTab::ShowResults(const AccuracyPanels& panels) {
    // The panels are made in the order of AccuracyPanel.
    for (std::size_t i = 0; i < panels.Texts.size() && i < std::size_t(m_resultPanels.size());
         ++i) {
        m_resultPanels[static_cast<int>(i)]->setText(QString::fromStdString(panels.Texts[i]));
    }
}

void TAccuracyTab::AShutDown() {
    const UpdatesSuspended suspended(*this);
    ResetResults();
    ShutDownDesign();
    SetEnabled({m_samplingGroup, m_randomRadio, m_sequentialRadio, m_samplesLabel, m_samples,
                m_sizeLabel, m_size},
               false);
}

void TAccuracyTab::AReopen(bool completed) {
    const UpdatesSuspended suspended(*this);
    ReopenDesign(false);
    const bool sampling = !Generating() && m_imported.Count > 0;
    SetEnabled({m_samplingGroup, m_randomRadio, m_sequentialRadio}, sampling);
    SetEnabled({m_samplesLabel, m_samples, m_sizeLabel, m_size}, true);
    m_seedCheck->setEnabled(SeedAllowed());
    if (completed) {
        for (QWidget* label : m_resultLabels) {
            label->setEnabled(true);
        }
    }
    ReopenRunRow();
}

} // namespace kvor
