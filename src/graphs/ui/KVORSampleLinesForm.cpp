#include "graphs/ui/KVORSampleLinesForm.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "graphs/GraphOptions.h"
#include "graphs/ui/ColourBox.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/GraphOutputGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace kvor {

namespace {

constexpr int LinesPictureHelp = 1010;
constexpr int ParamSpacePictureHelp = 1012;
constexpr int LinesColourHelp = 1018;
constexpr int PointsColourHelp = 1020;

} // namespace

void SizeGraphDialog(QWidget& dialog, int heightOf768) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    dialog.resize(area.width() * 900 / 1024, area.height() * heightOf768 / 768);
    dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}

TKVORSampleLines::TKVORSampleLines(GraphOutputContext& output, const RunResults& results,
                                   const SampleLinesSetup& setup, QWidget* parent)
    : QDialog(parent), m_output(output), m_options(output.DesignOptions), m_results(results) {
    setObjectName("TKVORSampleLines");
    setWindowTitle(QString::fromStdString(SampleLinesCaption(setup.Regression)));
    m_graph = std::make_unique<TSampleLinesGraph>(m_results, m_options, setup.TrueValuesNow);
    m_graph->Title1 = SampleLinesTitle1(setup.Regression, setup.Samples, setup.SetSize);
    m_graph->DecimalSeparator = setup.DecimalSeparator;
    ApplyFontPreset(m_options);
    ChoosePointSize(m_options, setup.Samples, m_results.Count);
    BuildControls();
    LoadOptions();
    SizeGraphDialog(*this);
    m_handlersActive = true;
}

TKVORSampleLines::~TKVORSampleLines() = default;

void TKVORSampleLines::BuildControls() {
    using namespace ControlFactory;
    m_regImage = Label(this, "RegImage", QString());
    m_regImage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_regImage->setMinimumSize(200, 150);
    SetHelpContext(m_regImage, LinesPictureHelp);

    auto* typeGroup = new QGroupBox(this);
    m_linesRadio = Radio(typeGroup, "LinesRadioButton", "&Sampling Lines", 0);
    m_psRadio = Radio(typeGroup, "PSRadioButton", "&Parameter Space", 0);
    Exclusive(this, {m_linesRadio, m_psRadio});
    m_linesRadio->setChecked(true);
    m_psRadio->setEnabled(ParameterSpaceAvailable(m_results));
    auto* typeLayout = new QVBoxLayout(typeGroup);
    typeLayout->addWidget(m_linesRadio);
    typeLayout->addWidget(m_psRadio);

    auto* colourGroup = new QGroupBox(this);
    auto* colours = new QGridLayout(colourGroup);
    const std::array<std::pair<const char*, const char*>, 4> boxes{{
        {"BGColorBox", "&BG:"},
        {"GraphColorBox", "&Graph:"},
        {"HeaderColorBox", "T&itle:"},
        {"LinesColorBox", "L&ines:"},
    }};
    for (int i = 0; i < 4; ++i) {
        QComboBox* box = ColourBox(colourGroup, boxes[static_cast<std::size_t>(i)].first);
        QLabel* label = BuddyLabel(
            colourGroup, QString(boxes[static_cast<std::size_t>(i)].first).replace("Box", "Label"),
            boxes[static_cast<std::size_t>(i)].second, box);
        colours->addWidget(label, i / 2, (i % 2) * 2);
        colours->addWidget(box, i / 2, (i % 2) * 2 + 1);
        m_colourLabels << label;
        m_colourBoxes << box;
    }
    m_linesColourLabel = m_colourLabels.back();
    m_bwCheck = Check(colourGroup, "BWCheckBox", "Black/&White", 0);
    colours->addWidget(m_bwCheck, 2, 0, 1, 4);

    auto* optionGroup = new QGroupBox(this);
    auto* optionLayout = new QGridLayout(optionGroup);
    m_zeroOriginCheck = Check(optionGroup, "ZeroOriginCheckBox", " &Zero Origin", 0);
    m_extendCheck = Check(optionGroup, "ExtendLinesCheckBox", "E&xtend Lines", 0);
    m_trueCheck = Check(optionGroup, "TrueCheckBox", "Show Tr&ue Relationship", 0);
    m_ticksCheck = Check(optionGroup, "TicksCheckBox", "Minor Tic&ks", 0);
    m_headerCheck = Check(optionGroup, "HeaderCheckBox", "G&raph Title", 0);
    optionLayout->addWidget(m_zeroOriginCheck, 0, 0);
    optionLayout->addWidget(m_extendCheck, 1, 0);
    optionLayout->addWidget(m_trueCheck, 2, 0);
    optionLayout->addWidget(m_ticksCheck, 0, 1);
    optionLayout->addWidget(m_headerCheck, 1, 1);

    auto* sizeGroup = new QGroupBox(this);
    auto* sizeLayout = new QGridLayout(sizeGroup);
    m_aspectCombo = new QComboBox(sizeGroup);
    m_aspectCombo->setObjectName("AspectComboBox");
    for (const int aspect : AspectChoices) {
        m_aspectCombo->addItem(QString::number(aspect));
    }
    m_pointSize = new QSpinBox(sizeGroup);
    m_pointSize->setObjectName("DataSizeSpinEdit");
    m_pointSize->setRange(2, 6);
    if (auto* typing = m_pointSize->findChild<QLineEdit*>()) {
        typing->setReadOnly(true); // the arrows only
    }
    m_fontSizeCombo = new QComboBox(sizeGroup);
    m_fontSizeCombo->setObjectName("FontSizeComboBox");
    for (const std::string& name : FontSizeOptionNames()) {
        m_fontSizeCombo->addItem(QString::fromStdString(name));
    }
    m_pointSizeLabel = BuddyLabel(sizeGroup, "DataSizeLabel", "Point Siz&e:", m_pointSize);
    sizeLayout->addWidget(BuddyLabel(sizeGroup, "AspectLabel", "&Y/X Ratio (%):", m_aspectCombo), 0,
                          0);
    sizeLayout->addWidget(m_aspectCombo, 0, 1);
    sizeLayout->addWidget(m_pointSizeLabel, 1, 0);
    sizeLayout->addWidget(m_pointSize, 1, 1);
    sizeLayout->addWidget(BuddyLabel(sizeGroup, "FontSizeLabel", "&Font Size:", m_fontSizeCombo), 2,
                          0);
    sizeLayout->addWidget(m_fontSizeCombo, 2, 1);

    m_outputGroup = new TGraphOutputGroup(*m_graph, m_output,
                                          GraphOutputSpec{1, 2, 5, "KVOR Regression Plot"}, this);
    m_outputGroup->Restored = [this] { update(); };
    QPushButton* close = Button(this, "CloseButton", "Close", 0);
    QPushButton* help = Button(this, "HelpButton", "&Help", 0);
    SetHelpContext(help, HelpTopic);
    connect(help, &QPushButton::clicked, this, [this] { emit HelpRequested(HelpTopic); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* outputColumn = new QVBoxLayout;
    outputColumn->addWidget(m_outputGroup);
    outputColumn->addLayout(buttons);

    auto* controls = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{typeGroup, colourGroup, optionGroup, sizeGroup}) {
        controls->addWidget(w);
    }
    controls->addLayout(outputColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_regImage, 1);
    layout->addLayout(controls);

    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_linesRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            GraphTypeClick(SampleLinesType::Lines);
        }
    });
    connect(m_psRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            GraphTypeClick(SampleLinesType::ParameterSpace);
        }
    });
    std::array<RgbColour*, 4> targets{&m_options.BackgroundColour, &m_options.GraphColour,
                                      &m_options.TitleColour, &m_options.LinesColour};
    for (int i = 0; i < 4; ++i) {
        QComboBox* box = m_colourBoxes[i];
        RgbColour* target = targets[static_cast<std::size_t>(i)];
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, box, target] { ColourBoxChange(box, *target); });
    }
    connect(m_bwCheck, &QCheckBox::toggled, this, &TKVORSampleLines::BWCheckBoxClick);
    const auto flag = [this](QCheckBox* box, bool GraphOptions::*field) {
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
            if (m_handlersActive) {
                m_options.*field = on;
                UpdateGraph();
            }
        });
    };
    flag(m_zeroOriginCheck, &GraphOptions::LinesZeroOrigin);
    flag(m_extendCheck, &GraphOptions::ExtendLines);
    flag(m_ticksCheck, &GraphOptions::MinorTickMarks);
    flag(m_headerCheck, &GraphOptions::ShowTitle);
    connect(m_trueCheck, &QCheckBox::toggled, this, &TKVORSampleLines::TrueCheckBoxClick);
    connect(m_aspectCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_handlersActive || index < 0) {
            return;
        }
        int& aspect = m_graph->Type == SampleLinesType::Lines ? m_options.LinesAspect
                                                              : m_options.ParamSpaceAspect;
        aspect = AspectChoices[static_cast<std::size_t>(index)];
        UpdateGraph();
    });
    connect(m_pointSize, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_handlersActive) {
            m_options.PointSize = value;
            UpdateGraph();
        }
    });
    connect(m_fontSizeCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_handlersActive && index >= 0) {
            m_options.FontSizeOption = index;
            ApplyFontPreset(m_options);
            UpdateGraph();
        }
    });
}

void TKVORSampleLines::LoadOptions() {
    SelectColour(m_colourBoxes[0], m_options.BackgroundColour);
    SelectColour(m_colourBoxes[1], m_options.GraphColour);
    SelectColour(m_colourBoxes[2], m_options.TitleColour);
    SelectColour(m_colourBoxes[3], m_options.LinesColour);
    m_bwCheck->setChecked(m_options.BlackWhite);
    for (int i = 0; i < 4; ++i) {
        m_colourLabels[i]->setEnabled(!m_options.BlackWhite);
        m_colourBoxes[i]->setEnabled(!m_options.BlackWhite);
    }
    m_zeroOriginCheck->setChecked(m_options.LinesZeroOrigin);
    m_extendCheck->setChecked(m_options.ExtendLines);
    m_trueCheck->setChecked(m_options.ShowTrue);
    m_ticksCheck->setChecked(m_options.MinorTickMarks);
    m_headerCheck->setChecked(m_options.ShowTitle);
    m_pointSize->setValue(m_options.PointSize);
    m_fontSizeCombo->setCurrentIndex(m_options.FontSizeOption);
    SetTypeControls();
}

void TKVORSampleLines::SetTypeControls() {
    const bool lines = m_graph->Type == SampleLinesType::Lines;
    SetHelpContext(m_regImage, lines ? LinesPictureHelp : ParamSpacePictureHelp);
    m_linesColourLabel->setText(lines ? "L&ines:" : "Po&ints:");
    SetHelpContext(m_linesColourLabel, lines ? LinesColourHelp : PointsColourHelp);
    SetHelpContext(m_colourBoxes.back(), lines ? LinesColourHelp : PointsColourHelp);
    const int aspect = lines ? m_options.LinesAspect : m_options.ParamSpaceAspect;
    m_aspectCombo->setCurrentIndex(AspectIndex(aspect));
    m_pointSize->setEnabled(!lines);
    m_pointSizeLabel->setEnabled(!lines);
    m_zeroOriginCheck->setEnabled(lines && !m_options.LinesZeroOriginForced);
    m_extendCheck->setEnabled(lines);
}

void TKVORSampleLines::GraphTypeClick(SampleLinesType type) {
    if (!m_handlersActive) {
        return;
    }
    m_graph->Type = type;
    m_handlersActive = false; // the aspect combo follows the type without counting as a change
    SetTypeControls();
    m_handlersActive = true;
    UpdateGraph();
}

void TKVORSampleLines::ColourBoxChange(QComboBox* box, RgbColour& colour) {
    if (!m_handlersActive) {
        return;
    }
    colour = SelectedColour(box);
    if (&colour != &m_options.TitleColour || m_options.ShowTitle) {
        UpdateGraph();
    }
}

void TKVORSampleLines::BWCheckBoxClick() {
    if (!m_handlersActive) {
        return;
    }
    m_options.BlackWhite = m_bwCheck->isChecked();
    for (int i = 0; i < 4; ++i) {
        m_colourLabels[i]->setEnabled(!m_options.BlackWhite);
        m_colourBoxes[i]->setEnabled(!m_options.BlackWhite);
    }
    UpdateGraph();
}

void TKVORSampleLines::TrueCheckBoxClick() {
    if (!m_handlersActive) {
        return;
    }
    m_options.ShowTrue = m_trueCheck->isChecked();
    if (m_options.ShowTrue) {
        m_options.TrueBeneath = !m_options.TrueBeneath;
    }
    UpdateGraph();
}

void TKVORSampleLines::UpdateGraph() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    DisplayLines();
    setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void TKVORSampleLines::DisplayLines() {
    const QSize size = m_regImage->size();
    m_picture = RenderScreenPicture(*m_graph, size.width(), size.height());
    m_regImage->setPixmap(QPixmap::fromImage(m_picture));
}

void TKVORSampleLines::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    DisplayLines();
}

} // namespace kvor
