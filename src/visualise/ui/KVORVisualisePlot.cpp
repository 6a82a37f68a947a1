#include "visualise/ui/KVORVisualisePlot.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "graphs/GraphOptions.h"
#include "graphs/ui/ColourBox.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/GraphOutputGroup.h"
#include "graphs/ui/KVORSampleLinesForm.h"
#include "visualise/VisRun.h"
#include "visualise/ui/VisPlotGraph.h"
#include "visualise/ui/VisPlotTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace kvor {

using namespace ControlFactory;
namespace T = VisPlotTexts;
namespace H = VisPlotHelp;

namespace {

constexpr int DialogHeightOf768 = 720;
constexpr int StartPointSize = 4;

// The handlers of the dialog do nothing while the guard lives.
class QuietHandlers {
public:
    explicit QuietHandlers(int& selector) : m_selector(selector), m_saved(selector) {
        selector = 0;
    }
    ~QuietHandlers() { m_selector = m_saved; }
    QuietHandlers(const QuietHandlers&) = delete;
    QuietHandlers& operator=(const QuietHandlers&) = delete;

private:
    int& m_selector;
    int m_saved;
};

QGroupBox* Group(QWidget* parent, const QString& name, const QString& title) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

void OnChecked(QRadioButton* radio, QObject* owner, std::function<void()> action) {
    QObject::connect(radio, &QRadioButton::toggled, owner, [action = std::move(action)](bool on) {
        if (on) {
            action();
        }
    });
}

GraphOutputSpec OutputSpec(const GraphOptions& options, const std::array<const char*, 6>& names,
                           const std::array<const char*, 6>& captions,
                           const std::array<int, 6>& help) {
    GraphOutputSpec spec{1, 2, VisPrintJobOf(PlotMode::Intervals).Code,
                         VisPrintJobOf(PlotMode::Intervals).JobTitle};
    spec.PrintOptions = &options;
    for (std::size_t i = 0; i < 6; ++i) {
        spec.Names[i] = QString::fromLatin1(names[i]);
        spec.Captions[i] = QString::fromLatin1(captions[i]);
    }
    spec.Help = help;
    return spec;
}

} // namespace

TKVORVisualisePlot::TKVORVisualisePlot(GraphOutputContext& output, const VisRun& run,
                                       const VisPlotSetup& setup, QWidget* parent)
    : QDialog(parent), m_output(output), m_options(output.VisOptions), m_run(run), m_setup(setup) {
    setObjectName("TKVORVisualisePlot");
    m_intervalSelection.Clear();
    m_regionSelection.Clear();
    ApplyFontPreset(m_options);
    m_graph = std::make_unique<TVisPlotGraph>(m_run, m_options, m_setup.EntriesNow);
    m_graph->DecimalSeparator = m_setup.DecimalSeparator;

    m_regImage = Label(this, "RegImage", QString());
    m_regImage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_regImage->setMinimumSize(200, 150);
    m_optionsPanel = BuildOptionsPanel();
    m_partitionPanel = BuildPartitionPanel();
    m_partitionPanel->hide();
    auto* panels = new QVBoxLayout;
    panels->addWidget(m_optionsPanel);
    panels->addWidget(m_partitionPanel);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_regImage, 1);
    layout->addLayout(panels);
    ConnectOptions();
    ConnectPartition();
    SizeGraphDialog(*this, DialogHeightOf768);
}

TKVORVisualisePlot::~TKVORVisualisePlot() = default;

QWidget* TKVORVisualisePlot::BuildOptionsPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("OptionsPanel");
    auto* column = new QVBoxLayout(panel);

    QGroupBox* typeGroup = Group(panel, "GraphTypeGroup", T::GraphTypeGroup);
    m_ciRadio = Radio(typeGroup, "CIRadioButton", T::Intervals, H::CIRadioButton);
    m_crRadio = Radio(typeGroup, "CRRadioButton", T::Regions, H::CRRadioButton);
    m_slRadio = Radio(typeGroup, "SLRadioButton", T::Lines, H::SLRadioButton);
    Exclusive(this, {m_ciRadio, m_crRadio, m_slRadio});
    m_ciRadio->setChecked(true);
    m_partitionButton = Button(typeGroup, "PartitionButton", T::Partition, H::PartitionButton);
    auto* typeLayout = new QGridLayout(typeGroup);
    typeLayout->addWidget(m_ciRadio, 0, 0);
    typeLayout->addWidget(m_crRadio, 1, 0);
    typeLayout->addWidget(m_slRadio, 2, 0);
    typeLayout->addWidget(m_partitionButton, 0, 1, 3, 1, Qt::AlignVCenter);

    QGroupBox* sizeGroup = Group(panel, "SizeGroup", QString());
    m_fontSizeCombo = new QComboBox(sizeGroup);
    m_fontSizeCombo->setObjectName("FontSizeComboBox");
    for (const std::string& name : FontSizeOptionNames()) {
        m_fontSizeCombo->addItem(QString::fromStdString(name));
    }
    SetHelpContext(m_fontSizeCombo, H::FontSizeComboBox);
    m_aspectCombo = new QComboBox(sizeGroup);
    m_aspectCombo->setObjectName("AspectComboBox");
    for (const int aspect : AspectChoices) {
        m_aspectCombo->addItem(QString::number(aspect));
    }
    SetHelpContext(m_aspectCombo, H::AspectComboBox);
    m_dataSize = new QSpinBox(sizeGroup);
    m_dataSize->setObjectName("DataSizeSpinEdit");
    m_dataSize->setRange(2, 6);
    if (auto* typing = m_dataSize->findChild<QLineEdit*>()) {
        typing->setReadOnly(true); // the arrows only
    }
    SetHelpContext(m_dataSize, H::DataSizeSpinEdit);
    m_dataSizeLabel = BuddyLabel(sizeGroup, "DataSizeLabel", T::PointSize, m_dataSize);
    SetHelpContext(m_dataSizeLabel, H::DataSizeSpinEdit);
    auto* sizeLayout = new QGridLayout(sizeGroup);
    QLabel* fontLabel = BuddyLabel(sizeGroup, "FontSizeLabel", T::FontSize, m_fontSizeCombo);
    QLabel* aspectLabel = BuddyLabel(sizeGroup, "AspectLabel", T::Aspect, m_aspectCombo);
    SetHelpContext(fontLabel, H::FontSizeComboBox);
    SetHelpContext(aspectLabel, H::AspectComboBox);
    sizeLayout->addWidget(fontLabel, 0, 0);
    sizeLayout->addWidget(m_fontSizeCombo, 0, 1);
    sizeLayout->addWidget(aspectLabel, 1, 0);
    sizeLayout->addWidget(m_aspectCombo, 1, 1);
    sizeLayout->addWidget(m_dataSizeLabel, 2, 0);
    sizeLayout->addWidget(m_dataSize, 2, 1);

    QGroupBox* optionGroup = Group(panel, "OptionGroup", QString());
    m_headerCheck = Check(optionGroup, "HeaderCheckBox", T::GraphTitle, H::HeaderCheckBox);
    m_ticksCheck = Check(optionGroup, "TicksCheckBox", T::MinorTicks, H::TicksCheckBox);
    m_trueCheck = Check(optionGroup, "TrueCheckBox", T::ShowIdeal, H::TrueIdeal);
    m_dotCheck = Check(optionGroup, "DOTCB", T::DataOnTop, H::DOTCB);
    auto* optionLayout = new QGridLayout(optionGroup);
    optionLayout->addWidget(m_headerCheck, 0, 0);
    optionLayout->addWidget(m_ticksCheck, 0, 1);
    optionLayout->addWidget(m_trueCheck, 1, 0, 1, 2);
    optionLayout->addWidget(m_dotCheck, 2, 0, 1, 2);

    QGroupBox* colourGroup = Group(panel, "ColourGroup", T::ColoursGroup);
    auto* colours = new QGridLayout(colourGroup);
    for (std::size_t i = 0; i < m_colourBoxes.size(); ++i) {
        const T::ColourControl& c = T::OptionColours[i];
        m_colourBoxes[i] = ColourBox(colourGroup, c.Box);
        m_colourLabels[i] = BuddyLabel(colourGroup, c.Label, c.Caption, m_colourBoxes[i]);
        SetHelpContext(m_colourBoxes[i], c.Help);
        SetHelpContext(m_colourLabels[i], c.Help);
        const int row = static_cast<int>(i) / 2;
        const int col = (static_cast<int>(i) % 2) * 2;
        colours->addWidget(m_colourLabels[i], row, col);
        colours->addWidget(m_colourBoxes[i], row, col + 1);
    }
    m_bwCheck = Check(colourGroup, "BWCheckBox", T::BlackWhite, H::BWCheckBox);
    colours->addWidget(m_bwCheck, 2, 2, 1, 2);

    m_optionsOutput = new TGraphOutputGroup(
        *m_graph, m_output,
        OutputSpec(m_options, T::OptionsOutputNames, T::OptionsOutputCaptions, H::OptionsOutput),
        panel);
    QGroupBox* outputGroup = Group(panel, "OutputGroup", T::OutputGroup);
    (new QVBoxLayout(outputGroup))->addWidget(m_optionsOutput);
    QPushButton* close = Button(panel, "CloseButton", T::Close, H::CloseButton);
    QPushButton* help = Button(panel, "HelpButton", T::Help, H::HelpButton);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit HelpRequested(OptionsHelpTopic); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(help);

    // Spare height goes between the groups.
    for (QWidget* w : std::initializer_list<QWidget*>{typeGroup, sizeGroup, optionGroup,
                                                      colourGroup, outputGroup}) {
        column->addWidget(w);
        column->addStretch(1);
    }
    column->addLayout(buttons);
    return panel;
}

QWidget* TKVORVisualisePlot::BuildPartitionPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("PartitionPanel");
    auto* column = new QVBoxLayout(panel);

    QGroupBox* typeGroup = Group(panel, "PartitionTypeGroup", T::GraphTypeGroup);
    m_cirb = Radio(typeGroup, "CIRB", T::Intervals, H::CIRB);
    m_crrb = Radio(typeGroup, "CRRB", T::PartRegions, H::CRRB);
    Exclusive(this, {m_cirb, m_crrb});
    m_cirb->setChecked(true);
    QPushButton* back = Button(typeGroup, "BackButton", T::Back, H::BackButton);
    connect(back, &QPushButton::clicked, this, &TKVORVisualisePlot::BackButtonClick);
    auto* typeLayout = new QGridLayout(typeGroup);
    typeLayout->addWidget(m_cirb, 0, 0);
    typeLayout->addWidget(m_crrb, 1, 0);
    typeLayout->addWidget(back, 0, 1, 2, 1, Qt::AlignVCenter);

    QGroupBox* showGroup = Group(panel, "ShowGroup", QString());
    m_allRB = Radio(showGroup, "AllRB", T::All, H::AllRB);
    m_partRB = Radio(showGroup, "PartRB", T::Partitioned, H::PartRB);
    Exclusive(this, {m_allRB, m_partRB});
    m_allRB->setChecked(true);
    auto* showLayout = new QVBoxLayout(showGroup);
    showLayout->addWidget(m_allRB);
    showLayout->addWidget(m_partRB);

    QGroupBox* designGroup = Group(panel, "DesignGroup", T::DesignGroup);
    auto* design = new QVBoxLayout(designGroup);
    QGroupBox* colourGroup = Group(panel, "ClassColourGroup", T::ClassColoursGroup);
    auto* colours = new QGridLayout(colourGroup);
    for (std::size_t i = 0; i < ClassBoxCount; ++i) {
        const T::ClassControl& c = T::ClassControls[i];
        m_classChecks[i] = Check(designGroup, c.Check, c.CheckCaption, c.CheckHelp);
        design->addWidget(m_classChecks[i]);
        m_classBoxes[i] = ColourBox(colourGroup, c.Box);
        m_classLabels[i] = BuddyLabel(colourGroup, c.Label, c.ColourCaption, m_classBoxes[i]);
        SetHelpContext(m_classBoxes[i], c.ColourHelp);
        SetHelpContext(m_classLabels[i], c.ColourHelp);
        const int row = static_cast<int>(i) / 2;
        const int col = (static_cast<int>(i) % 2) * 2;
        colours->addWidget(m_classLabels[i], row, col);
        colours->addWidget(m_classBoxes[i], row, col + 1);
    }
    m_detailsButton = Button(panel, "DetailsButton", T::Details, H::DetailsButton);
    connect(m_detailsButton, &QPushButton::clicked, this, &TKVORVisualisePlot::DetailsButtonClick);

    m_partitionOutput =
        new TGraphOutputGroup(*m_graph, m_output,
                              OutputSpec(m_options, T::PartitionOutputNames,
                                         T::PartitionOutputCaptions, H::PartitionOutput),
                              panel);
    QGroupBox* outputGroup = Group(panel, "PartitionOutputGroup", T::OutputGroup);
    (new QVBoxLayout(outputGroup))->addWidget(m_partitionOutput);
    QPushButton* close = Button(panel, "CButton", T::Close, H::CButton);
    QPushButton* help = Button(panel, "HelpB", T::Help, H::HelpB);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit HelpRequested(PartitionHelpTopic); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(help);

    for (QWidget* w : std::initializer_list<QWidget*>{typeGroup, showGroup, designGroup,
                                                      colourGroup, m_detailsButton, outputGroup}) {
        column->addWidget(w);
        column->addStretch(1);
    }
    column->addLayout(buttons);
    return panel;
}

void TKVORVisualisePlot::ConnectOptions() {
    OnChecked(m_ciRadio, this, [this] { GraphTypeClick(VisGraphType::Intervals); });
    OnChecked(m_crRadio, this, [this] { GraphTypeClick(VisGraphType::Regions); });
    OnChecked(m_slRadio, this, [this] { GraphTypeClick(VisGraphType::Lines); });
    connect(m_partitionButton, &QPushButton::clicked, this,
            &TKVORVisualisePlot::PartitionButtonClick);
    connect(m_fontSizeCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_runSelector != 0 && index >= 0) {
            m_options.FontSizeOption = index;
            ApplyFontPreset(m_options);
            UpdateGraph();
        }
    });
    connect(m_aspectCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_runSelector != 0 && index >= 0) {
            m_options.VisAspect = AspectChoices[static_cast<std::size_t>(index)];
            UpdateGraph();
        }
    });
    connect(m_dataSize, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_runSelector != 0) {
            m_options.PointSize = value;
            UpdateGraph();
        }
    });
    const auto flag = [this](QCheckBox* box, bool GraphOptions::*field) {
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
            if (m_runSelector != 0) {
                m_options.*field = on;
                UpdateGraph();
            }
        });
    };
    flag(m_headerCheck, &GraphOptions::ShowTitle);
    flag(m_ticksCheck, &GraphOptions::MinorTickMarks);
    connect(m_trueCheck, &QCheckBox::toggled, this, &TKVORVisualisePlot::TrueCheckBoxClick);
    connect(m_dotCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (m_runSelector != 0) {
            m_graph->DataOnTop = on;
            UpdateGraph();
        }
    });
    const std::array<RgbColour*, 5> targets{&m_options.BackgroundColour, &m_options.GraphColour,
                                            &m_options.TitleColour, &m_options.DataColour,
                                            &m_options.LinesColour};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        QComboBox* box = m_colourBoxes[i];
        RgbColour* target = targets[i];
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, box, target] { ColourBoxChange(box, *target); });
    }
    connect(m_bwCheck, &QCheckBox::toggled, this, &TKVORVisualisePlot::BWCheckBoxClick);
    for (TGraphOutputGroup* group : {m_optionsOutput, m_partitionOutput}) {
        group->Restored = [this] { update(); };
    }
}

void TKVORVisualisePlot::ConnectPartition() {
    OnChecked(m_cirb, this, [this] { CIRBClick(); });
    OnChecked(m_crrb, this, [this] { CIRBClick(); });
    OnChecked(m_allRB, this, [this] { AllRBClick(); });
    OnChecked(m_partRB, this, [this] { AllRBClick(); });
    for (std::size_t i = 0; i < ClassBoxCount; ++i) {
        const int box = static_cast<int>(i);
        connect(m_classChecks[i], &QCheckBox::toggled, this,
                [this, box](bool on) { ClassBoxClick(box, on); });
    }
    const std::array<RgbColour*, ClassBoxCount> targets{
        &m_options.NotDetectedColour, &m_options.ProportionalColour, &m_options.ConstantColour,
        &m_options.BothColour, &m_options.DetectedColour};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        QComboBox* box = m_classBoxes[i];
        RgbColour* target = targets[i];
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, box, target] { ColourBoxChange(box, *target); });
    }
}

void TKVORVisualisePlot::LoadOptions() {
    const std::array<RgbColour, 5> colours{m_options.BackgroundColour, m_options.GraphColour,
                                           m_options.TitleColour, m_options.DataColour,
                                           m_options.LinesColour};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        SelectColour(m_colourBoxes[i], colours[i]);
    }
    const std::array<RgbColour, ClassBoxCount> classes{
        m_options.NotDetectedColour, m_options.ProportionalColour, m_options.ConstantColour,
        m_options.BothColour, m_options.DetectedColour};
    for (std::size_t i = 0; i < classes.size(); ++i) {
        SelectColour(m_classBoxes[i], classes[i]);
    }
    m_bwCheck->setChecked(m_options.BlackWhite);
    m_trueCheck->setChecked(m_options.ShowTrue);
    m_ticksCheck->setChecked(m_options.MinorTickMarks);
    m_headerCheck->setChecked(m_options.ShowTitle);
    m_aspectCombo->setCurrentIndex(AspectIndex(m_options.VisAspect));
    m_fontSizeCombo->setCurrentIndex(m_options.FontSizeOption);
    m_options.PointSize = StartPointSize;
    m_dataSize->setValue(StartPointSize);
    m_dotCheck->setChecked(true);
    m_graph->DataOnTop = true;
}

void TKVORVisualisePlot::SetGraphParams(int runSelector) {
    m_runSelector = 0;
    setWindowTitle(QString::fromStdString(VisPlotCaption(m_setup.Regression)));
    m_graph->Title1 = VisPlotTitle1(m_setup.Regression, m_run.VisSets, m_run.VisN);
    LoadOptions();
    m_flags = PartitionFlagsOf(m_run);
    const GraphTypeAvailability a = GraphTypesOf(runSelector, m_run, m_flags);
    m_ciRadio->setEnabled(a.CIRadioButton);
    m_crRadio->setEnabled(a.CRRadioButton);
    m_cirb->setEnabled(a.CIRB);
    m_crrb->setEnabled(a.CRRB);
    (a.Start == VisGraphType::Regions ? m_crRadio : m_ciRadio)->setChecked(true);
    m_allRB->setChecked(true);
    m_partitionPanel->hide();
    m_optionsPanel->show();
    m_runSelector = runSelector;
    SetTypeControls();
    UpdatePartitionDesign();
    DisplayLines();
}

VisGraphType TKVORVisualisePlot::OptionsType() const {
    return m_slRadio->isChecked()   ? VisGraphType::Lines
           : m_crRadio->isChecked() ? VisGraphType::Regions
                                    : VisGraphType::Intervals;
}

bool TKVORVisualisePlot::RegionsPartition() const {
    return m_crrb->isChecked();
}

PlotMode TKVORVisualisePlot::CurrentPlotMode() const {
    return PlotModeOf(!m_partitionPanel->isHidden(), OptionsType(), RegionsPartition());
}

void TKVORVisualisePlot::SetPictureHelp() {
    const PlotMode mode = CurrentPlotMode();
    int id = H::LinesPicture;
    if (mode == PlotMode::PartIntervals || mode == PlotMode::PartRegions) {
        const bool regions = mode == PlotMode::PartRegions;
        id = m_partRB->isChecked() ? (regions ? H::PartRegionsPicture : H::PartIntervalsPicture)
                                   : (regions ? H::RegionsPicture : H::IntervalsPicture);
    } else if (mode != PlotMode::Lines) {
        id = mode == PlotMode::Regions ? H::RegionsPicture : H::IntervalsPicture;
    }
    SetHelpContext(m_regImage, id);
}

void TKVORVisualisePlot::SetTypeControls() {
    const VisGraphType type = OptionsType();
    const OptionsViewEnabling e = OptionsEnablingOf(type, m_options.BlackWhite, m_flags);
    for (QWidget* w : std::initializer_list<QWidget*>{m_dotCheck, m_dataSizeLabel, m_dataSize}) {
        w->setEnabled(e.DataControls);
    }
    SetColourEnabling();
    m_partitionButton->setEnabled(e.PartitionButton);
    const bool lines = type == VisGraphType::Lines;
    m_trueCheck->setText(lines ? T::ShowActual : T::ShowIdeal);
    SetHelpContext(m_trueCheck, lines ? H::TrueActual : H::TrueIdeal);
    SetPictureHelp();
}

void TKVORVisualisePlot::SetColourEnabling() {
    const OptionsViewEnabling e = OptionsEnablingOf(OptionsType(), m_options.BlackWhite, m_flags);
    for (std::size_t i = 0; i < m_colourBoxes.size(); ++i) {
        const bool on = i == T::DataColourIndex ? e.DataColour : e.Colours;
        m_colourLabels[i]->setEnabled(on);
        m_colourBoxes[i]->setEnabled(on);
    }
}

void TKVORVisualisePlot::GraphTypeClick(VisGraphType) {
    if (m_runSelector == 0) {
        return;
    }
    m_aspectCombo->blockSignals(true);
    m_aspectCombo->setCurrentIndex(AspectIndex(m_options.VisAspect));
    m_aspectCombo->blockSignals(false);
    SetTypeControls();
    UpdateGraph();
}

void TKVORVisualisePlot::ColourBoxChange(QComboBox* box, RgbColour& colour) {
    if (m_runSelector == 0) {
        return;
    }
    colour = SelectedColour(box);
    if (&colour != &m_options.TitleColour || m_options.ShowTitle) {
        UpdateGraph();
    }
}

void TKVORVisualisePlot::BWCheckBoxClick() {
    if (m_runSelector == 0) {
        return;
    }
    m_options.BlackWhite = m_bwCheck->isChecked();
    SetTypeControls();
    UpdateGraph();
}

void TKVORVisualisePlot::TrueCheckBoxClick() {
    if (m_runSelector == 0) {
        return;
    }
    m_options.ShowTrue = m_trueCheck->isChecked();
    if (m_options.ShowTrue) {
        m_options.TrueBeneath = !m_options.TrueBeneath;
    }
    UpdateGraph();
}

void TKVORVisualisePlot::PartitionButtonClick() {
    if (m_runSelector == 0) {
        return;
    }
    const PartitionRadios r = PartitionRadiosFrom(OptionsType(), m_flags);
    {
        const QuietHandlers quiet(m_runSelector);
        (r.RegionsSelected ? m_crrb : m_cirb)->setChecked(true);
        m_cirb->setEnabled(r.CIRBEnabled);
        m_crrb->setEnabled(r.CRRBEnabled);
        m_optionsPanel->hide();
        m_partitionPanel->show();
    }
    CIRBClick();
}

void TKVORVisualisePlot::BackButtonClick() {
    if (m_runSelector == 0) {
        return;
    }
    {
        const QuietHandlers quiet(m_runSelector);
        m_partitionPanel->hide();
        m_optionsPanel->show();
        (RegionsPartition() ? m_crRadio : m_ciRadio)->setChecked(true);
    }
    SetTypeControls();
    UpdateGraph();
    m_partitionButton->setFocus(Qt::OtherFocusReason); // after the redraw has re-enabled it
}

void TKVORVisualisePlot::CIRBClick() {
    if (m_runSelector == 0) {
        return;
    }
    SetPictureHelp();
    UpdatePartitionDesign();
    {
        const QuietHandlers quiet(m_runSelector);
        const bool regions = RegionsPartition();
        for (int box = 0; box < ClassBoxCount; ++box) {
            const int code = ClassCodeOf(regions, box);
            const bool chosen = code >= 0 && (regions ? m_regionSelection.Contains(code)
                                                      : m_intervalSelection.Contains(code));
            m_classChecks[static_cast<std::size_t>(box)]->setChecked(chosen);
        }
    }
    CheckOutput();
    UpdateGraph();
}

void TKVORVisualisePlot::AllRBClick() {
    if (m_runSelector == 0) {
        return;
    }
    SetPictureHelp();
    UpdatePartitionDesign();
    CheckOutput();
    UpdateGraph();
}

void TKVORVisualisePlot::ClassBoxClick(int box, bool checked) {
    if (m_runSelector == 0) {
        return;
    }
    const bool regions = RegionsPartition();
    const int code = ClassCodeOf(regions, box);
    if (code < 0) {
        return;
    }
    if (regions) {
        checked ? m_regionSelection.AddBiasType(code) : m_regionSelection.SubtractBiasType(code);
    } else {
        checked ? m_intervalSelection.AddBiasType(code)
                : m_intervalSelection.SubtractBiasType(code);
    }
    CheckOutput();
    UpdateGraph();
}

void TKVORVisualisePlot::UpdatePartitionDesign() {
    const ClassBoxEnabling e = PartitionDesignOf(m_run, RegionsPartition(), m_partRB->isChecked());
    for (std::size_t i = 0; i < ClassBoxCount; ++i) {
        m_classChecks[i]->setEnabled(e.Box[i]);
        m_classLabels[i]->setEnabled(e.ColourLabel[i]);
        m_classBoxes[i]->setEnabled(e.ColourBox[i]);
    }
}

void TKVORVisualisePlot::CheckOutput() {
    const int count = RegionsPartition() ? m_regionSelection.Count : m_intervalSelection.Count;
    m_partitionOutput->setEnabled(PartitionOutputEnabled(m_partRB->isChecked(), count));
}

void TKVORVisualisePlot::DetailsButtonClick() {
    if (m_runSelector == 0) {
        return;
    }
    setEnabled(false);
    if (ShowDetails) {
        ShowDetails(this, m_runSelector);
    }
    setEnabled(true);
}

void TKVORVisualisePlot::UpdateGraph() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    DisplayLines();
    setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void TKVORVisualisePlot::DisplayLines() {
    if (m_runSelector == 0) {
        return;
    }
    const PlotMode mode = CurrentPlotMode();
    const bool regions = RegionMode(mode);
    m_graph->Plot = mode;
    m_graph->Partitioned = !m_partitionPanel->isHidden() && m_partRB->isChecked();
    m_graph->Selection = regions ? m_regionSelection.Codes() : m_intervalSelection.Codes();
    const VisPrintJob job = VisPrintJobOf(mode);
    for (TGraphOutputGroup* group : {m_optionsOutput, m_partitionOutput}) {
        group->SetPrintJob(job.Code, QString::fromLatin1(job.JobTitle));
    }
    const QSize size = m_regImage->size();
    m_picture = RenderScreenPicture(*m_graph, size.width(), size.height());
    m_regImage->setPixmap(QPixmap::fromImage(m_picture));
}

void TKVORVisualisePlot::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    DisplayLines();
}

} // namespace kvor
