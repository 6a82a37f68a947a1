#include "visualise/ui/KVORVisualise.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "app/QIVSpinEdit.h"
#include "app/RunThread.h"
#include "engine/DesignLimits.h"
#include "platform/MessageService.h"
#include "studies/RunControl.h"
#include "studies/ui/KVORPowerDetails.h"
#include "visualise/VisRun.h"
#include "visualise/ui/KVORVisualisePlot.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kvor {

using namespace ControlFactory;
namespace T = VisualiseTexts;

namespace {

// The progress label changes at most 25 times a second however fast the sets come.
constexpr int ProgressIntervalMs = 40;
constexpr int HelpTopic = 460;

QString Caption(const char* start, int rate) {
    return QString::fromLatin1(start) + QString::number(rate) + QString::fromLatin1(T::ExpectEnd);
}

} // namespace

TKVORVisualise::TKVORVisualise(const VisualiseSetup& setup, MainContext& context, QWidget* parent)
    : QDialog(parent), m_setup(setup), m_context(context), m_thread(new TRunThread(this)),
      m_progressTimer(new QTimer(this)) {
    setObjectName("KVORVisualise");
    setWindowTitle(T::Title);
    m_ci.Kind = VisRunKind::Intervals;
    m_cr.Kind = VisRunKind::Region;
    m_ci.Run = std::make_unique<VisRun>();
    m_cr.Run = std::make_unique<VisRun>();

    auto* layout = new QVBoxLayout(this);
    QLabel* explanation = Label(this, "ExplanationLabel", T::Explanation);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* samplesRow = new QHBoxLayout;
    m_samplesLabel = Label(this, "SamplesLabel", T::Samples);
    m_samples = new QComboBox(this);
    m_samples->setObjectName("SamplesComboBox");
    SetHelpContext(m_samples, 461);
    m_samples->addItems({"10", "100", "250", "500", "1000"});
    m_samples->setCurrentIndex(2);
    m_samplesLabel->setBuddy(m_samples);
    samplesRow->addWidget(m_samplesLabel);
    samplesRow->addWidget(m_samples);
    samplesRow->addStretch();
    layout->addLayout(samplesRow);

    layout->addWidget(BuildGroup(m_ci, "CI", T::IntervalsButtons, T::SuggestedCI, "CRCheckBox",
                                 T::AlsoRegions,
                                 {"CIDetectionLabel1", "CRDetectionLabel1", "SpecifiedLabel"}));
    layout->addWidget(BuildGroup(m_cr, "CR", T::RegionButtons, T::SuggestedCR, "CICheckBox",
                                 T::AlsoIntervals, {"CIDetectionLabel2", "CRDetectionLabel2"}));

    auto* buttons = new QHBoxLayout;
    m_closeButton = Button(this, "CloseButton", T::CloseText, 480);
    m_helpButton = Button(this, "HelpButton", T::HelpText, 481);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    buttons->addWidget(m_helpButton);
    layout->addLayout(buttons);
    connect(m_closeButton, &QPushButton::clicked, this, &TKVORVisualise::CloseButtonClick);
    connect(m_helpButton, &QPushButton::clicked, this, [this] { emit HelpRequested(HelpTopic); });

    const int rate = setup.Design.DetectionRate;
    if (Automatic()) {
        m_ci.ExpectCaption = Caption(T::IntervalsExpect, rate);
        m_ci.PlainCaption = T::IntervalsPlain;
        m_cr.ExpectCaption = Caption(T::RegionExpect, rate);
        m_cr.PlainCaption = T::RegionPlain;
        m_ci.Suggested = setup.SuggestedIntervalsN;
        m_cr.Suggested = setup.SuggestedRegionN;
        m_ci.Box->setTitle(m_ci.ExpectCaption);
        m_cr.Box->setTitle(m_cr.ExpectCaption);
        m_ci.Spin->SetValue(m_ci.Suggested);
        m_cr.Spin->SetValue(m_cr.Suggested);
    } else {
        m_cr.Box->hide();
        m_cr.Box->setEnabled(false);
        m_ci.Box->setTitle(T::SpecifiedCaption);
        m_ci.NLabel->setText(T::SpecifiedCI);
        m_ci.Spin->SetValue(setup.Design.N);
        m_ci.Also->setChecked(true);
        m_ci.Also->hide();
    }
    for (Group* g : {&m_ci, &m_cr}) {
        connect(g->Spin, &QLineEdit::textChanged, this, [this, g] { SpinChanged(*g); });
        ShowReady(*g);
    }
    connect(m_thread, &TRunThread::Finished, this, &TKVORVisualise::RunFinished);
    m_progressTimer->setInterval(ProgressIntervalMs);
    connect(m_progressTimer, &QTimer::timeout, this, &TKVORVisualise::ProgressTick);
    adjustSize();
}

TKVORVisualise::~TKVORVisualise() {
    StopRuns();
}

QGroupBox* TKVORVisualise::BuildGroup(Group& g, const QString& prefix,
                                      const VisualiseTexts::RunButtonTexts& t, const QString& nText,
                                      const QString& alsoName, const QString& alsoText,
                                      const QStringList& resultNames) {
    const int help = g.Kind == VisRunKind::Intervals ? 462 : 470;
    g.Box = new QGroupBox(this);
    g.Box->setObjectName(prefix + "GroupBox");
    auto* grid = new QGridLayout(g.Box);
    g.NLabel = Label(g.Box, prefix + "NLabel", nText);
    g.Spin = SpinEdit(g.Box, m_context, prefix + "SpinEdit", DesignField::N, help);
    g.NLabel->setBuddy(g.Spin);
    g.Also = Check(g.Box, alsoName, alsoText, help + 1);
    g.Also->setChecked(true);
    g.Start = Button(g.Box, prefix + "StartButton", t.Start, help + 2);
    g.Abort = Button(g.Box, prefix + "AbortButton", t.Abort, help + 3);
    g.Plot = Button(g.Box, prefix + "PlotButton", t.Plot, help + 4);
    g.Clear = Button(g.Box, prefix + "ClearButton", t.Clear, help + 5);
    g.Beep = Check(g.Box, prefix + "BeepCheckBox", t.Beep, help + 6);
    g.Prog1 = Label(g.Box, prefix + "ProgLabel1", T::Progress);
    g.Prog2 = Label(g.Box, prefix + "ProgLabel2", "");
    grid->addWidget(g.NLabel, 0, 0);
    grid->addWidget(g.Spin, 0, 1);
    grid->addWidget(g.Also, 0, 2, 1, 3);
    grid->addWidget(g.Start, 1, 0);
    grid->addWidget(g.Abort, 1, 1);
    grid->addWidget(g.Plot, 1, 2);
    grid->addWidget(g.Clear, 1, 3);
    grid->addWidget(g.Beep, 1, 4);
    grid->addWidget(g.Prog1, 2, 0);
    grid->addWidget(g.Prog2, 2, 1);
    int row = 3;
    for (const QString& name : resultNames) {
        QLabel* result = Label(g.Box, name, "");
        grid->addWidget(result, row++, 0, 1, 5);
        g.Results.push_back(result);
    }
    const VisRunKind kind = g.Kind;
    connect(g.Start, &QPushButton::clicked, this, [this, kind] { StartButtonClick(kind); });
    connect(g.Abort, &QPushButton::clicked, this, [this, kind] { AbortButtonClick(kind); });
    connect(g.Clear, &QPushButton::clicked, this, [this, kind] { ClearButtonClick(kind); });
    connect(g.Plot, &QPushButton::clicked, this, [this, kind] { OpenPlot(kind); });
    return g.Box;
}

bool TKVORVisualise::Automatic() const {
    return m_setup.Design.EstimationMode == EstimationMode::Automatic;
}

const VisRun& TKVORVisualise::Run(VisRunKind kind) const {
    return *Of(kind).Run;
}

bool TKVORVisualise::ResultsAvailable(VisRunKind kind) const {
    const Group& g = Of(kind);
    return !g.InProgress && g.Run->ResultsAvailable;
}

bool TKVORVisualise::RunInProgress() const {
    return m_ci.InProgress || m_cr.InProgress;
}

void TKVORVisualise::SpinChanged(Group& g) {
    if (g.InProgress || !Automatic()) {
        return;
    }
    g.Box->setTitle(g.Spin->Value() == g.Suggested ? g.ExpectCaption : g.PlainCaption);
    g.Run->ResultsAvailable = false;
}

void TKVORVisualise::SetGroupEnabled(Group& g, bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{g.NLabel, g.Spin, g.Also, g.Start, g.Abort,
                                                      g.Plot, g.Clear, g.Beep, g.Prog1, g.Prog2}) {
        w->setEnabled(enabled);
    }
    for (QLabel* result : g.Results) {
        if (!result->text().isEmpty()) {
            result->setEnabled(enabled);
        }
    }
}

void TKVORVisualise::ShowReady(Group& g) {
    SetGroupEnabled(g, true);
    g.Abort->setEnabled(false);
    g.Plot->setEnabled(false);
    g.Clear->setEnabled(false);
}

void TKVORVisualise::ShowCompleted(Group& g, bool focus) {
    SetGroupEnabled(g, true);
    g.NLabel->setEnabled(false);
    g.Spin->setEnabled(false);
    g.Also->setEnabled(false);
    g.Abort->setEnabled(false);
    if (focus) {
        g.Plot->setFocus(Qt::OtherFocusReason);
    }
}

void TKVORVisualise::Restore(Group& g) {
    if (!Automatic() && g.Kind == VisRunKind::Region) {
        return;
    }
    if (ResultsAvailable(g.Kind)) {
        ShowCompleted(g, false);
    } else {
        ShowReady(g);
    }
}

void TKVORVisualise::UnlockSamples(const Group& g) {
    const Group& other = g.Kind == VisRunKind::Intervals ? m_cr : m_ci;
    if (!ResultsAvailable(other.Kind)) {
        m_samplesLabel->setEnabled(true);
        m_samples->setEnabled(true);
    }
}

void TKVORVisualise::StartButtonClick(VisRunKind kind) {
    Group& g = Of(kind);
    if (RunInProgress() || m_thread->Running()) {
        return;
    }
    g.Spin->DoExit();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_samplesLabel, m_samples, g.NLabel, g.Spin, g.Also,
                                         g.Start, g.Plot, g.Clear, m_helpButton}) {
        w->setEnabled(false);
    }
    g.Beep->setEnabled(true);
    g.Abort->setEnabled(true);
    g.Abort->setFocus(Qt::OtherFocusReason);
    g.Prog2->clear();
    for (QLabel* result : g.Results) {
        result->clear();
    }
    if (Automatic()) {
        SetGroupEnabled(Other(g), false);
    } else {
        g.Also->setChecked(true);
    }

    VisRunRequest request;
    request.Kind = kind;
    request.VisSets = m_samples->currentText().toInt();
    request.VisN = g.Spin->Value();
    request.Also = g.Also->isChecked();
    g.InProgress = true;
    g.Continues = true;
    g.Run->ResultsAvailable = false;
    RunControl control;
    control.AbortFlag = &g.Continues;
    control.Progress = [this](int done) { m_progress.store(done, std::memory_order_relaxed); };
    control.DecimalSeparator = m_setup.DecimalSeparator;
    control.Threads = AllCores();
    m_progress = 0;
    m_progressTimer->start();
    VisRun* run = g.Run.get();
    VisRunOutcome* outcome = &g.Outcome;
    m_thread->Start([this, request, control, run, outcome] {
        *outcome = VCalculations(m_setup.Design, m_setup.Imported, request, *run, control);
    });
}

void TKVORVisualise::ProgressTick() {
    for (Group* g : {&m_ci, &m_cr}) {
        if (g->InProgress) {
            g->Prog2->setText(QString::number(m_progress.load(std::memory_order_relaxed)));
        }
    }
}

void TKVORVisualise::RunFinished() {
    Group& g = m_ci.InProgress ? m_ci : m_cr;
    if (!g.InProgress) {
        return;
    }
    m_progressTimer->stop();
    ProgressTick();
    g.InProgress = false;
    MessageService& messages = m_context.Messages();
    if (g.Outcome.Completed && g.Continues) {
        if (g.Beep->isChecked()) {
            messages.MessageBeep();
        }
        const VisLabels labels = VisResultLabels(*g.Run, g.Kind, m_setup.Design.EstimationMode,
                                                 m_setup.DecimalSeparator);
        const std::vector<const std::string*> texts =
            g.Kind == VisRunKind::Intervals
                ? std::vector<const std::string*>{&labels.CIDetection1, &labels.CRDetection1,
                                                  &labels.Specified}
                : std::vector<const std::string*>{&labels.CIDetection2, &labels.CRDetection2};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            g.Results[i]->setText(QString::fromStdString(*texts[i]));
        }
        ShowCompleted(g, true);
        m_helpButton->setEnabled(true);
        Restore(Other(g));
    } else {
        if (g.Outcome.Refusal != VisRefusal::None && g.Continues) {
            messages.MessageBeep();
            messages.ShowMessage(MessageKind::Information,
                                 QString::fromStdString(VisPlotMessage(g.Outcome.Refusal)),
                                 MessageButtons::Ok);
        }
        ResetAfterAbort(g);
    }
    g.Continues = false;
    emit RunEnded();
}

void TKVORVisualise::ResetAfterAbort(Group& g) {
    g.Run->ResultsAvailable = false;
    ShowReady(g);
    g.Start->setFocus(Qt::OtherFocusReason);
    g.Prog2->clear();
    m_helpButton->setEnabled(true);
    UnlockSamples(g);
    Restore(Other(g));
}

void TKVORVisualise::AbortButtonClick(VisRunKind kind) {
    Group& g = Of(kind);
    g.Continues = false;
    UnlockSamples(g);
}

void TKVORVisualise::ClearButtonClick(VisRunKind kind) {
    Group& g = Of(kind);
    if (g.InProgress) {
        return;
    }
    ResetAfterAbort(g);
    for (QLabel* result : g.Results) {
        result->clear();
    }
}

void TKVORVisualise::StopRuns() {
    m_ci.Continues = false;
    m_cr.Continues = false;
    m_thread->Join();
    m_progressTimer->stop();
    for (Group* g : {&m_ci, &m_cr}) {
        if (g->InProgress) {
            g->InProgress = false;
            g->Run->ResultsAvailable = false;
        }
    }
}

void TKVORVisualise::CloseButtonClick() {
    StopRuns();
    accept();
}

void TKVORVisualise::closeEvent(QCloseEvent* event) {
    StopRuns();
    QDialog::closeEvent(event);
}

void TKVORVisualise::reject() {
    StopRuns();
    QDialog::reject();
}

void TKVORVisualise::CIPlotButtonClick() {
    OpenPlot(VisRunKind::Intervals);
}

void TKVORVisualise::CRPlotButtonClick() {
    OpenPlot(VisRunKind::Region);
}

void TKVORVisualise::OpenPlot(VisRunKind kind) {
    if (!ResultsAvailable(kind)) {
        return;
    }
    const StudyDesign& design = m_setup.Design;
    VisPlotSetup setup;
    setup.Regression = design.Regression;
    setup.DecimalSeparator = m_setup.DecimalSeparator;
    setup.EntriesNow = m_setup.EntriesNow ? m_setup.EntriesNow : [design] {
        return PowerEntries{design.TrueSlope, design.TrueIntercept, design.ActualSlope,
                            design.ActualIntercept, design.DataSource == DataSource::Import};
    };
    setEnabled(false);
    TKVORVisualisePlot plot(m_context.Output(), Run(kind), setup, this);
    plot.SetGraphParams(kind == VisRunKind::Intervals ? 1 : 2);
    setEnabled(true);
    plot.ShowDetails = [this, kind, entries = setup.EntriesNow](QWidget* owner, int selector) {
        // The report reads the Power tab's entries as they are when it opens.
        StudyDesign shown = m_setup.Design;
        const PowerEntries now = entries();
        shown.TrueSlope = now.IdealSlope;
        shown.TrueIntercept = now.IdealIntercept;
        shown.ActualSlope = now.ActualSlope;
        shown.ActualIntercept = now.ActualIntercept;
        ShowPowerDetails(owner, Run(kind), selector, shown, m_setup.DecimalSeparator,
                         m_context.Output());
    };
    if (PlotOpening) {
        PlotOpening(plot);
    }
    plot.exec();
}

} // namespace kvor
