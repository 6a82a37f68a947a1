#include "app/PowerTab.h"

#include "app/ColumnHeads.h"
#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "app/MainTexts.h"
#include "app/NumEditRules.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "app/RunThread.h"
#include "app/VarianceGroup.h"
#include "app/WidgetHelpers.h"
#include "engine/DesignLimits.h"
#include "platform/MessageService.h"
#include "studies/DetectionDisplay.h"
#include "studies/DetectionPanels.h"
#include "studies/PowerTexts.h"
#include "visualise/ui/VisualiseLauncher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <optional>

namespace kvor {

namespace {

// Lines a detection table shows at once: the 3rd to 9th visible line hold the line in focus.
constexpr int VisibleTableLines = 9;

QFont TableFont() {
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

// Scroll positions stay on whole lines, however the bar is moved.
void SnapToLines(QScrollBar& bar, int rowHeight) {
    QObject::connect(&bar, &QScrollBar::valueChanged, &bar, [&bar, rowHeight](int value) {
        const int snapped = (value + rowHeight / 2) / rowHeight * rowHeight;
        if (snapped != value) {
            bar.setValue(std::min(snapped, bar.maximum() / rowHeight * rowHeight));
        }
    });
}

QComboBox* DropDown(QWidget* parent, const QString& name, int help) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    SetHelpContext(box, help);
    return box;
}

} // namespace

TPowerTab::TPowerTab(MainContext& context, QWidget* parent)
    : TStudyTab(QLatin1Char('P'), context, parent) {
    using namespace ControlFactory;
    m_powerLabel = Label(this, "PowerLabel", MainTexts::PowerTitle);
    QFont bold = m_powerLabel->font();
    bold.setBold(true);
    m_powerLabel->setFont(bold);
    m_designLabel = Label(this, "PDesignLabel", MainTexts::PowerDesign);
    m_idealLabel = Label(this, "PIdealLabel", MainTexts::IdealRelationship);
    m_actualLabel = Label(this, "PActualLabel", MainTexts::ActualRelationship);
    m_actualSlopeLabel = Label(this, "PActualSlopeLabel", MainTexts::Slope);
    m_actualSlope = NumEdit(this, context, "PActualSlopeNumEdit", DesignField::ActualSlope, 414);
    m_actualInterceptLabel = Label(this, "PActualInterceptLabel", MainTexts::Intercept);
    m_actualIntercept =
        NumEdit(this, context, "PActualInterceptNumEdit", DesignField::ActualIntercept, 416);
    WireNumEdit(m_actualSlope, DesignField::ActualSlope);
    WireNumEdit(m_actualIntercept, DesignField::ActualIntercept);

    m_samplesLabel = Label(this, "PMaxSamplesLabel", MainTexts::MaxSets);
    m_samples = SpinEdit(this, context, "PMaxSamplesSpinEdit", DesignField::SetsPerRun, 418);
    m_samplesLabel->setBuddy(m_samples);
    connect(m_samples, &QLineEdit::textChanged, this, [this] {
        if (m_context.HandlersActive() && m_autoRadio->isChecked()) {
            ResetResults();
        }
    });

    m_detectionLabel = Label(this, "PDetectionLabel", MainTexts::DetectionRate);
    m_detection = DropDown(this, "PDetectionComboBox", 420);
    m_detection->addItems({"80", "90", "95"});
    m_detection->setCurrentIndex(m_detectionIndex);
    m_detectionLabel->setBuddy(m_detection);
    m_significanceLabel = Label(this, "PSignificanceLabel", MainTexts::Significance);
    m_significance = DropDown(this, "PSignificanceComboBox", 422);
    m_significance->setMaxVisibleItems(3);
    m_significanceLabel->setBuddy(m_significance);
    FillSignificanceItems(context.DecimalSeparator());
    connect(m_detection, &QComboBox::currentIndexChanged, this,
            &TPowerTab::PDetectionComboBoxChange);
    connect(m_significance, &QComboBox::currentIndexChanged, this,
            &TPowerTab::PSignificanceComboBoxChange);

    m_estimationGroup = new QGroupBox(MainTexts::EstimationGroup, this);
    m_estimationGroup->setObjectName("PEstimationGroupBox");
    m_autoRadio = Radio(m_estimationGroup, "PAutoRadioButton", MainTexts::Automatic, 424);
    m_manualRadio = Radio(m_estimationGroup, "PManualRadioButton", MainTexts::SpecifiedN, 426);
    Exclusive(this, {m_autoRadio, m_manualRadio});
    m_autoRadio->setChecked(true);
    m_nLabel = Label(m_estimationGroup, "PNLabel", MainTexts::NLabel);
    m_n = SpinEdit(m_estimationGroup, context, "PNSpinEdit", DesignField::N, 428);
    m_clearButton = Button(m_estimationGroup, "PClearButton", MainTexts::ClearGenerate, 430);
    m_nLabel->setEnabled(false);
    m_n->setEnabled(false);
    m_clearButton->setEnabled(false);
    m_seedCheck->setEnabled(false);
    for (QRadioButton* b : {m_autoRadio, m_manualRadio}) {
        connect(b, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                PAutoRadioButtonClick();
            }
        });
    }

    QWidget* design = BuildDesignGroup();
    QWidget* results = BuildResults();
    Assemble(design, results);

    connect(m_clearButton, &QPushButton::clicked, this, &TPowerTab::PClearButtonClick);
    connect(this, &TPowerTab::SpecifiedNTotalsEmptied, this, [this] {
        if (!RunActive()) {
            m_results.Clear();
        }
    });
}

QWidget* TPowerTab::BuildDesignGroup() {
    auto* group = new QGroupBox(MainTexts::DesignGroup, this);
    group->setObjectName("PDesignGroupBox");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(3);
    grid->addWidget(m_powerLabel, 0, 0, 1, 4);
    grid->addWidget(m_designLabel, 1, 0, 1, 4);
    grid->addWidget(m_idealLabel, 2, 0, 1, 2);
    grid->addWidget(m_actualLabel, 2, 2, 1, 2);
    grid->addWidget(m_targetSlopeLabel, 3, 0);
    grid->addWidget(m_targetSlope, 3, 1);
    grid->addWidget(m_actualSlopeLabel, 3, 2);
    grid->addWidget(m_actualSlope, 3, 3);
    grid->addWidget(m_targetInterceptLabel, 4, 0);
    grid->addWidget(m_targetIntercept, 4, 1);
    grid->addWidget(m_actualInterceptLabel, 4, 2);
    grid->addWidget(m_actualIntercept, 4, 3);
    grid->addWidget(m_samplesLabel, 5, 0, 1, 3);
    grid->addWidget(m_samples, 5, 3);
    grid->addWidget(m_detectionLabel, 6, 0, 1, 3);
    grid->addWidget(m_detection, 6, 3);
    grid->addWidget(m_significanceLabel, 7, 0, 1, 3);
    grid->addWidget(m_significance, 7, 3);

    auto* estimation = new QGridLayout(m_estimationGroup);
    estimation->setContentsMargins(8, 4, 8, 6);
    estimation->setVerticalSpacing(2);
    estimation->addWidget(m_autoRadio, 0, 0, 1, 4);
    estimation->addWidget(m_manualRadio, 1, 0, 1, 4);
    estimation->addWidget(m_nLabel, 2, 0, Qt::AlignRight);
    estimation->addWidget(m_n, 2, 1);
    estimation->addWidget(m_clearButton, 2, 2);
    estimation->setColumnStretch(3, 1);
    estimation->setColumnMinimumWidth(0, 30);
    grid->addWidget(m_estimationGroup, 8, 0, 1, 4);
    grid->addWidget(m_seedCheck, 9, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_powerLabel,           m_designLabel,     m_idealLabel,           m_actualLabel,
             m_targetSlopeLabel,     m_targetSlope,     m_actualSlopeLabel,     m_actualSlope,
             m_targetInterceptLabel, m_targetIntercept, m_actualInterceptLabel, m_actualIntercept,
             m_samplesLabel,         m_samples,         m_detectionLabel,       m_detection,
             m_significanceLabel,    m_significance,    m_estimationGroup,      m_seedCheck}) {
        w->setParent(group);
    }
    return group;
}

QWidget* TPowerTab::BuildResults() {
    using namespace ControlFactory;
    auto* group = new QGroupBox(PowerTexts::ResultsCaption, this);
    group->setObjectName("PResultsGroupBox");
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(8, 4, 8, 6);
    struct Side {
        const char* Key; // "CI" or "CR"
        const char* Header;
        int Help;
    };
    const Side sides[] = {{"CI", PowerTexts::IntervalsHeader, 432},
                          {"CR", PowerTexts::RegionHeader, 440}};
    const QFont mono = TableFont();
    m_rowHeight = QFontMetrics(mono).height();
    for (const Side& side : sides) {
        const QString key(side.Key);
        const bool intervals = key == "CI";
        auto* header = Label(group, key + "HeaderLabel", side.Header);
        auto* heads = new TColumnHeads(PowerTexts::ColumnHeads, mono, group);
        heads->setObjectName("P" + key + "HeaderLabel");
        auto* scroll = new QScrollArea(group);
        scroll->setObjectName("P" + key + "ScrollBox");
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scroll->setWidgetResizable(false);
        // The box shows whole lines: VisibleTableLines of them, and scrolls line by line.
        const int frame = 2 * scroll->frameWidth();
        scroll->setFixedSize(heads->sizeHint().width() + 4 +
                                 scroll->verticalScrollBar()->sizeHint().width() + frame,
                             VisibleTableLines * m_rowHeight + frame);
        SnapToLines(*scroll->verticalScrollBar(), m_rowHeight);
        SetHelpContext(scroll, side.Help + 1);
        auto* image = Label(scroll, "P" + key + "Image", QString());
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        scroll->setWidget(image);
        image->hide();
        (intervals ? m_ciImage : m_crImage) = image;
        (intervals ? m_ciScroll : m_crScroll) = scroll;
        (intervals ? m_ciHeads : m_crHeads) = heads;
        SetHelpContext(header, side.Help);
        SetHelpContext(heads, side.Help + 1);

        auto* table = new QVBoxLayout;
        table->setSpacing(2);
        table->addWidget(header);
        auto* headsRow = new QHBoxLayout;
        headsRow->setContentsMargins(scroll->frameWidth(), 0, 0, 0);
        headsRow->addWidget(heads);
        headsRow->addStretch(1);
        table->addLayout(headsRow);
        table->addWidget(scroll);

        auto* column = new QGridLayout;
        column->setVerticalSpacing(4);
        column->setHorizontalSpacing(6);
        column->setRowStretch(0, 1);
        const char* captions[4] = {PowerTexts::RequiredNLabel, PowerTexts::TotalSetsLabel,
                                   MainTexts::MeanSlope, MainTexts::Intercept};
        const char* names[4] = {"Size", "Samples", "MeanSlope", "MeanIntercept"};
        const char* panels[4] = {"N", "Samples", "MeanSlope", "MeanIntercept"};
        const std::initializer_list<PanelFormat> formats = {PanelFormat::RequiredN,
                                                            PanelFormat::Count, PanelFormat::Mean};
        for (int i = 0; i < 4; ++i) {
            auto* label = Label(group, "P" + key + names[i] + "Label", captions[i]);
            // One width for the column: the widest of its four formats.
            auto* panel = ControlFactory::ResultPanel(group, "P" + key + panels[i] + "Panel",
                                                      side.Help + 2 + i, formats);
            SetHelpContext(label, side.Help + 2 + i);
            label->setEnabled(false);
            column->addWidget(label, 1 + i, 0, Qt::AlignRight);
            column->addWidget(panel, 1 + i, 1);
            m_columnLabels << label;
            m_panels << panel;
        }
        header->setEnabled(false);
        heads->setEnabled(false);
        m_headers << header << heads;
        row->addLayout(table);
        row->addSpacing(6);
        row->addLayout(column);
        row->addSpacing(14);
    }
    auto* notes = new QVBoxLayout;
    m_resultsLabel1 = Label(group, "PResultsLabel1", PowerTexts::IntervalsExplanationAtStart);
    m_resultsLabel2 = Label(group, "PResultsLabel2", PowerTexts::RegionExplanationAtStart);
    for (QLabel* note : {m_resultsLabel1, m_resultsLabel2}) {
        note->setWordWrap(true);
        note->setEnabled(false);
        note->setFixedWidth(200);
        notes->addWidget(note);
    }
    SetHelpContext(m_resultsLabel1, 448);
    SetHelpContext(m_resultsLabel2, 449);
    m_visualiseButton = Button(group, "PVisualiseButton", MainTexts::Visualise, 450);
    m_visualiseButton->setEnabled(false);
    connect(m_visualiseButton, &QPushButton::clicked, this,
            [this] { PVisualiseButtonClick(*this, m_context); });
    notes->addWidget(m_visualiseButton);
    notes->addStretch(1);
    row->addLayout(notes);
    return group;
}

void TPowerTab::FillSignificanceItems(QChar separator) {
    const int index = m_significance->count() > 0 ? m_significance->currentIndex() : 0;
    const HandlersPause pause(m_context);
    const QSignalBlocker blocker(m_significance);
    m_significance->clear();
    m_significance->addItem(QStringLiteral("0") + separator + QStringLiteral("05"));
    m_significance->addItem(QStringLiteral("0") + separator + QStringLiteral("01"));
    m_significance->setCurrentIndex(index);
}

void TPowerTab::PDetectionComboBoxChange() {
    if (!m_context.HandlersActive()) {
        return;
    }
    const int index = m_detection->currentIndex();
    if (index == m_detectionIndex) {
        return;
    }
    m_detectionIndex = index;
    m_detectionRate = m_detection->currentText().toInt();
    ResetResults();
}

void TPowerTab::PSignificanceComboBoxChange() {
    if (!m_context.HandlersActive()) {
        return;
    }
    const int index = m_significance->currentIndex();
    if (index == m_significanceIndex) {
        return;
    }
    m_significanceIndex = index;
    m_resultsLabel1->setText(PowerTexts::IntervalsExplanation[index == 0 ? 0 : 1]);
    m_resultsLabel2->setText(PowerTexts::RegionExplanation[index == 0 ? 0 : 1]);
    ResetResults();
}

void TPowerTab::PAutoRadioButtonClick() {
    if (!m_context.HandlersActive()) {
        return;
    }
    ResetResults();
    m_clearButton->setEnabled(false);
    const bool manual = m_manualRadio->isChecked();
    if (manual) {
        emit SpecifiedNTotalsEmptied();
    }
    m_nLabel->setEnabled(manual);
    m_n->setEnabled(manual);
    m_seedCheck->setEnabled(manual);
    if (manual) {
        m_n->setFocus(Qt::OtherFocusReason);
    }
}

void TPowerTab::SetActualEnabled(bool enabled) {
    SetEnabled({m_actualSlopeLabel, m_actualSlope, m_actualInterceptLabel, m_actualIntercept},
               enabled);
}

void TPowerTab::OnDataSource(bool generate) {
    SetActualEnabled(generate);
    m_clearButton->setText(generate ? MainTexts::ClearGenerate : MainTexts::ClearImport);
}

void TPowerTab::OnImportCommitted() {
    SetActualEnabled(false);
}

void TPowerTab::ResetResults() {
    if (!RunActive()) {
        m_results.Clear();
    }
    ColourProgressLabels();
    m_progLabel2->clear();
    if (!m_resultsLabel1->isEnabled()) {
        return;
    }
    for (QWidget* w : m_headers) {
        w->setEnabled(false);
    }
    m_resultsLabel1->setEnabled(false);
    m_resultsLabel2->setEnabled(false);
    HideTables();
    for (QLabel* label : m_columnLabels) {
        label->setEnabled(false);
    }
    for (QLabel* panel : m_panels) {
        panel->clear();
    }
    m_visualiseButton->setEnabled(false);
}

QList<TQIVNumEdit*> TPowerTab::PowerNumEdits() const {
    return {m_actualSlope, m_actualIntercept};
}

QList<QLabel*> TPowerTab::NumberTexts() const {
    // The means of both sides: panels 2 and 3 of each side's four.
    return {m_panels[2], m_panels[3], m_panels[6], m_panels[7]};
}

StudyDesign TPowerTab::ReadStudyDesign() const {
    StudyDesign design = TStudyTab::ReadStudyDesign();
    design.ActualSlope = m_actualSlope->Value();
    design.ActualIntercept = m_actualIntercept->Value();
    design.N = m_n->Value();
    design.SetsPerRun = m_samples->Value();
    design.ImportSampling = ImportSampling::Random;
    design.DetectionRate = m_detectionRate;
    design.Significance = m_significance->currentIndex() == 1 ? 0.01 : 0.05;
    design.EstimationMode =
        m_manualRadio->isChecked() ? EstimationMode::SpecifiedN : EstimationMode::Automatic;
    return design;
}

namespace {

int SideIndex(Criterion c) {
    return c == Criterion::ConfidenceIntervals ? 0 : 1;
}

} // namespace

TPowerTab::SideView TPowerTab::ViewOf(const DetectionSide& side) {
    return {side.TableLines, side.FocusRow, side.AnswerStore, side.Totals};
}

void TPowerTab::LaunchRun(const StudyDesign& design, const RunControl& shared) {
    m_outcome = {};
    {
        const std::lock_guard lock(m_viewMutex);
        m_viewDirty = {};
    }
    PowerRunControl control;
    static_cast<RunControl&>(control) = shared;
    // On the worker: the side is copied, the window paints the latest copy on its next tick.
    control.Refresh = [this](Criterion c, int) {
        SideView view = ViewOf(m_results.Side(c));
        const std::lock_guard lock(m_viewMutex);
        m_views[SideIndex(c)] = std::move(view);
        m_viewDirty[SideIndex(c)] = true;
    };
    const kvor::ImportedData* imported = Generating() ? nullptr : &m_imported;
    m_run->Start([this, design, imported, control] {
        m_outcome = PCalculations(design, imported, m_results, control);
    });
}

void TPowerTab::ProgressTick() {
    TStudyTab::ProgressTick();
    std::array<std::optional<SideView>, 2> fresh;
    {
        const std::lock_guard lock(m_viewMutex);
        for (int i = 0; i < 2; ++i) {
            if (m_viewDirty[i]) {
                fresh[i] = m_views[i];
                m_viewDirty[i] = false;
            }
        }
    }
    for (int i = 0; i < 2; ++i) {
        if (fresh[i]) {
            DrawSide(i == 0 ? Criterion::ConfidenceIntervals : Criterion::ConfidenceRegion,
                     *fresh[i], true);
        }
    }
}

void TPowerTab::DrawSide(Criterion criterion, const SideView& view, bool scroll) {
    const bool intervals = criterion == Criterion::ConfidenceIntervals;
    QLabel* image = intervals ? m_ciImage : m_crImage;
    QScrollArea* box = intervals ? m_ciScroll : m_crScroll;
    const char separator = m_context.SeparatorChar();
    const DetectionPanelTexts texts = PanelTexts(view.AnswerStore, view.Totals, separator);
    const int first = intervals ? 0 : DetectionPanelCount;
    for (int i = 0; i < DetectionPanelCount; ++i) {
        const std::string& text = texts.Text(static_cast<DetectionPanel>(i));
        m_panels[first + i]->setText(QString::fromStdString(text));
    }
    if (view.Lines.empty()) {
        HideTable(criterion); // a cleared side
        return;
    }
    (intervals ? m_ciHeads : m_crHeads)->SetNWidth(NColumnWidth(PaintedText(view.Lines.front())));
    const int lines = static_cast<int>(view.Lines.size());
    const QSize area = box->viewport()->size();
    QPixmap bitmap(area.width(), std::max(area.height(), lines * m_rowHeight));
    bitmap.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&bitmap);
        QFont font = TableFont();
        const QColor text = palette().color(QPalette::WindowText);
        for (int i = 0; i < lines; ++i) {
            const std::string& line = view.Lines[i];
            const bool answer = IsAnswerLine(line);
            font.setBold(answer);
            painter.setFont(font);
            painter.setPen(answer ? QColor(Qt::red) : text);
            painter.drawText(QRect(0, i * m_rowHeight, bitmap.width(), m_rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromStdString(PaintedText(line)));
        }
    }
    image->setPixmap(bitmap);
    image->show();
    image->setFixedSize(bitmap.size());
    if (scroll) {
        QScrollBar* bar = box->verticalScrollBar();
        const int visible = box->viewport()->height() / m_rowHeight;
        bar->setValue(
            ScrollPositionAfterRefresh(bar->value(), m_rowHeight, view.FocusRow, lines, visible));
    }
}

void TPowerTab::HideTable(Criterion criterion) {
    const bool intervals = criterion == Criterion::ConfidenceIntervals;
    QLabel* image = intervals ? m_ciImage : m_crImage;
    QScrollArea* box = intervals ? m_ciScroll : m_crScroll;
    image->clear();
    image->hide();
    // An empty table has nothing to scroll.
    image->setFixedSize(box->viewport()->size());
}

void TPowerTab::HideTables() {
    HideTable(Criterion::ConfidenceIntervals);
    HideTable(Criterion::ConfidenceRegion);
}

void TPowerTab::ClearSideDisplay() {
    HideTables();
    for (QLabel* panel : m_panels) {
        panel->clear();
    }
}

bool TPowerTab::RunCompleted() const {
    return m_outcome.Completed;
}

const FailedSet* TPowerTab::RunFailure() const {
    return m_outcome.Failure ? &*m_outcome.Failure : nullptr;
}

void TPowerTab::ShowCompletedRun() {
    // The final listing, whether or not the last refresh reached the window yet.
    DrawSide(Criterion::ConfidenceIntervals, ViewOf(m_results.Intervals), true);
    DrawSide(Criterion::ConfidenceRegion, ViewOf(m_results.Region), true);
    PReopen();
    m_visualiseButton->setEnabled(true);
    m_visualiseButton->setFocus(Qt::OtherFocusReason);
    ColourProgressLabels();
    m_progLabel2->clear();
}

void TPowerTab::ShowEndedRun() {
    PReopen();
    ResetResults();
    m_results.Clear();
    ClearSideDisplay();
    m_startButton->setFocus(Qt::OtherFocusReason);
    m_clearButton->setEnabled(false);
}

void TPowerTab::ClearPResults() {
    ColourProgressLabels();
    m_progLabel2->clear();
    const bool automatic = m_autoRadio->isChecked();
    if (automatic && m_resultsLabel1->isEnabled()) {
        m_results.Clear();
        ClearSideDisplay();
        return;
    }
    for (QWidget* w : m_headers) {
        w->setEnabled(true);
    }
    m_resultsLabel1->setEnabled(true);
    m_resultsLabel2->setEnabled(true);
    for (int i = 0; i < m_columnLabels.size(); ++i) {
        const bool requiredN = i % 4 == 0;
        m_columnLabels[i]->setEnabled(automatic || !requiredN);
    }
}

void TPowerTab::PShutDown() {
    const UpdatesSuspended suspended(*this);
    ClearPResults();
    ShutDownDesign();
    SetEnabled({m_powerLabel,
                m_designLabel,
                m_detectionLabel,
                m_detection,
                m_significanceLabel,
                m_significance,
                m_idealLabel,
                m_actualLabel,
                m_actualSlopeLabel,
                m_actualSlope,
                m_actualInterceptLabel,
                m_actualIntercept,
                m_samplesLabel,
                m_samples,
                m_estimationGroup,
                m_autoRadio,
                m_manualRadio,
                m_clearButton,
                m_nLabel,
                m_n,
                m_visualiseButton},
               false);
}

void TPowerTab::PReopen() {
    const UpdatesSuspended suspended(*this);
    ReopenDesign(true);
    SetActualEnabled(Generating());
    SetEnabled({m_idealLabel, m_actualLabel, m_samplesLabel, m_samples, m_powerLabel, m_designLabel,
                m_detectionLabel, m_detection, m_significanceLabel, m_significance,
                m_estimationGroup, m_autoRadio, m_manualRadio},
               true);
    const bool manual = m_manualRadio->isChecked();
    SetEnabled({m_clearButton, m_nLabel, m_n, m_seedCheck}, manual);
    ReopenRunRow();
}

void TPowerTab::PClearButtonClick() {
    ResetResults();
    m_results.Clear();
    m_startButton->setFocus(Qt::OtherFocusReason);
    m_clearButton->setEnabled(false);
}

} // namespace kvor
