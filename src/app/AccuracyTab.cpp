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
    edit.setMaxLength(ControlFactory::DigitCount(std::max(max, edit.MinValue())));
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
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_samplingGroup, m_randomRadio, m_sequentialRadio}) {
        w->setEnabled(false);
    }
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
    m_samples = SpinEdit(this, context, "ASamplesSpinEdit", 1000, 10000, 5, 1000, 234);
    m_sizeLabel = Label(this, "ASizeLabel", MainTexts::PairsN);
    m_size = SpinEdit(this, context, "ASizeSpinEdit", 3, 5000, 4, 100, 236);
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

    connect(m_startButton, &QPushButton::clicked, this, &TAccuracyTab::AStartButtonClick);
    connect(m_run, &TRunThread::Finished, this, [this] { FinishRun(true); });
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
    if (findChild<QLabel*>("ASlopeMeanLabel")->isEnabled()) {
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
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_samplingGroup, m_randomRadio, m_sequentialRadio}) {
        w->setEnabled(sampling);
    }
}

void TAccuracyTab::OnImportCommitted() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_samplingGroup, m_randomRadio, m_sequentialRadio}) {
        w->setEnabled(true);
    }
    UpdateSampling();
}

void TAccuracyTab::UpdateSampling() {
    const HandlersPause pause(m_context);
    const int c = m_imported.Count;
    const bool importing = !Generating() && c > 0;
    const auto limit = [](TQIVSpinEdit* edit, int max) { SetLimit(*edit, max); };
    if (!importing) {
        limit(m_samples, 10000);
        limit(m_size, 5000);
        return;
    }
    const long long s = m_samples->Value();
    const long long n = m_size->Value();
    if (s * n > c) {
        const int m = std::max(c / 1000, 1); // fewer than 1000 pairs cannot fill a run
        limit(m_samples, c / m);
        limit(m_size, m);
        m_samples->SetValue(1000);
        m_size->SetValue(m);
    } else {
        limit(m_samples, static_cast<int>(c / n));
        limit(m_size, static_cast<int>(c / s));
    }
}

void TAccuracyTab::SamplesSpinEditExit() {
    if (Generating() || m_imported.Count == 0) {
        return;
    }
    SetLimit(*m_size, std::min(m_imported.Count / m_samples->Value(), 5000));
}

void TAccuracyTab::SizeSpinEditExit() {
    if (Generating() || m_imported.Count == 0) {
        return;
    }
    SetLimit(*m_samples, std::min(m_imported.Count / m_size->Value(), 10000));
}

StudyDesign TAccuracyTab::ReadStudyDesign() const {
    StudyDesign design = TStudyTab::ReadStudyDesign();
    design.N = m_size->Value();
    design.SetsPerRun = m_samples->Value();
    design.ImportSampling =
        m_randomRadio->isChecked() ? ImportSampling::Random : ImportSampling::Sequential;
    return design;
}

void TAccuracyTab::AStartButtonClick() {
    if (RunActive() || m_context.RunUnderWay()) {
        return;
    }
    StudyDesign design;
    if (!PrepareRun(design)) {
        return;
    }
    AShutDown();
    BeginRun();
    m_runDesign = design;
    m_outcome = {};
    AccuracyRunControl control;
    control.AbortFlag = &m_context.AbortFlag();
    control.Progress = [this](int set) { m_progress.store(set, std::memory_order_relaxed); };
    control.DecimalSeparator = m_context.DecimalSeparator() == QLatin1Char(',') ? ',' : '.';
    const kvor::ImportedData* imported = Generating() ? nullptr : &m_imported;
    m_run->Start([this, design, imported, control] {
        m_outcome = ACalculations(design, imported, *m_runResults, control);
    });
}

void TAccuracyTab::FinishRun(bool interactive) {
    EndProgress();
    MessageService& messages = m_context.Messages();
    if (m_outcome.End == RunEnd::Completed && m_outcome.Results) {
        ShowResults(m_outcome.Results->Panels);
        SetLinesOptionsAfterRun(m_context.Output().DesignOptions,
                                m_outcome.Results->LinesZeroOrigin);
        AReopen(true);
        if (interactive && m_beepCheck->isChecked()) {
            messages.MessageBeep();
        }
        const int valid = m_outcome.Results->ValidCount;
        if (interactive && valid < m_runDesign.SetsPerRun) {
            messages.MessageBeep();
            messages.ShowMessage(MessageKind::Information,
                                 MainTexts::SetsLeftOut(valid, m_runDesign.SetsPerRun),
                                 MessageButtons::Ok);
        }
    } else {
        if (interactive && m_outcome.End == RunEnd::Failed && m_outcome.Failure) {
            OfferFailedSetExport(*m_outcome.Failure);
        }
        AReopen(false);
        m_progLabel2->clear();
    }
    m_context.AbortFlag() = false;
}

void TAccuracyTab::StopRun() {
    if (!RunActive()) {
        return;
    }
    m_context.AbortFlag() = false;
    m_run->Join();
    FinishRun(false);
}

void TAccuracyTab::ShowResults(const AccuracyPanels& panels) {
    // The panels are made in the order of AccuracyPanel.
    for (std::size_t i = 0; i < panels.Texts.size() && i < std::size_t(m_resultPanels.size());
         ++i) {
        m_resultPanels[static_cast<int>(i)]->setText(QString::fromStdString(panels.Texts[i]));
    }
}

void TAccuracyTab::AShutDown() {
    setUpdatesEnabled(false);
    ResetResults();
    ShutDownDesign();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_samplingGroup, m_randomRadio, m_sequentialRadio,
                                         m_samplesLabel, m_samples, m_sizeLabel, m_size}) {
        w->setEnabled(false);
    }
    setUpdatesEnabled(true);
}

void TAccuracyTab::AReopen(bool completed) {
    setUpdatesEnabled(false);
    ReopenDesign(false);
    const bool sampling = !Generating() && m_imported.Count > 0;
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_samplingGroup, m_randomRadio, m_sequentialRadio}) {
        w->setEnabled(sampling);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_samplesLabel, m_samples, m_sizeLabel, m_size}) {
        w->setEnabled(true);
    }
    m_seedCheck->setEnabled(SeedAllowed());
    if (completed) {
        for (QWidget* label : m_resultLabels) {
            label->setEnabled(true);
        }
    }
    ReopenRunRow();
    setUpdatesEnabled(true);
}

} // namespace kvor
