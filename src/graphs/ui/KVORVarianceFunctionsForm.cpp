#include "graphs/ui/KVORVarianceFunctionsForm.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFCurveSet.h"
#include "graphs/ui/ColourBox.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/GraphOutputGroup.h"
#include "graphs/ui/KVORSampleLinesForm.h"
#include "graphs/ui/VFLabelHandle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRubberBand>
#include <QVBoxLayout>

#include <array>

namespace kvor {

namespace {

constexpr std::array<int, 18> CvMaxChoices{1,  2,  3,  4,  5,  6,  8,  10, 12,
                                           15, 20, 25, 30, 40, 50, 60, 80, 100};

// Help pages of the controls.
enum Help : int {
    PictureHelp = 802,
    VarianceHelp = 804,
    SDHelp = 806,
    CVHelp = 808,
    CVmaxHelp = 810,
    YOnTopHelp = 812,
    BGColourHelp = 814,
    GraphColourHelp = 816,
    TitleColourHelp = 818,
    YColourHelp = 820,
    XColourHelp = 822,
    BWHelp = 824,
    XLogHelp = 826,
    YLogHelp = 828,
    ZeroOriginHelp = 830,
    TicksHelp = 832,
    HeaderHelp = 834,
    LabelsHelp = 836,
    AspectHelp = 838,
    FontSizeHelp = 840,
    BitmapHelp = 842,
    MetafileHelp = 844,
    CopyHelp = 846,
    FileHelp = 848,
    PSetupHelp = 850,
    PrintHelp = 852,
    CloseHelp = 854,
    HelpButtonHelp = 856,
    LabelHandleHelp = 858,
};

std::size_t TypeSlot(VFGraphType type) {
    return static_cast<std::size_t>(static_cast<int>(type) - 1);
}

QComboBox* Choices(QWidget* parent, const QString& name, const QStringList& items, int help) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    SetHelpContext(box, help);
    return box;
}

QLabel* HelpedLabel(QWidget* parent, const QString& name, const QString& text, QWidget* buddy,
                    int help) {
    QLabel* label = BuddyLabel(parent, name, text, buddy);
    SetHelpContext(label, help);
    return label;
}

} // namespace

TKVORVarianceFunctions::TKVORVarianceFunctions(GraphOutputContext& output, VFCurveSet& set,
                                               char decimalSeparator, QWidget* parent)
    : QDialog(parent), m_output(output), m_options(output.DesignOptions), m_set(set) {
    setObjectName("TKVORVarianceFunctions");
    const QString caption =
        QString::fromUtf8(VFCaption(m_set).data(), static_cast<int>(VFCaption(m_set).size()));
    setWindowTitle(caption);
    m_set.GraphType = VFGraphType::Variance;
    ResetLabels(true, true, true);
    m_graph = std::make_unique<TVarianceFunctionsGraph>(m_set, m_options);
    m_graph->Title = caption.mid(1).toStdString();
    m_graph->DecimalSeparator = decimalSeparator;
    ApplyFontPreset(m_options);
    BuildControls();
    SetUpVFDialog();
    SizeGraphDialog(*this);
    m_handlersActive = true;
}

TKVORVarianceFunctions::~TKVORVarianceFunctions() = default;

QWidget* TKVORVarianceFunctions::PictureControl() const {
    return m_vfImage;
}

QWidget* TKVORVarianceFunctions::BuildTypeGroup() {
    using namespace ControlFactory;
    auto* group = new QGroupBox(this);
    m_varRadio = Radio(group, "VarRadioButton", "&Variance", VarianceHelp);
    m_sdRadio = Radio(group, "SDRadioButton", "&SD", SDHelp);
    m_cvRadio = Radio(group, "CVRadioButton", "&CV (%)", CVHelp);
    Exclusive(this, {m_varRadio, m_sdRadio, m_cvRadio});
    QStringList items;
    for (const int choice : CvMaxChoices) {
        items << QString::number(choice);
    }
    m_cvMaxCombo = Choices(group, "CVmaxComboBox", items, CVmaxHelp);
    m_cvMaxLabel = HelpedLabel(group, "CVmaxLabel", "CV ma&x:", m_cvMaxCombo, CVmaxHelp);
    auto* layout = new QGridLayout(group);
    layout->addWidget(m_varRadio, 0, 0);
    layout->addWidget(m_sdRadio, 1, 0);
    layout->addWidget(m_cvRadio, 2, 0);
    layout->addWidget(m_cvMaxLabel, 3, 0);
    layout->addWidget(m_cvMaxCombo, 3, 1);
    return group;
}

QWidget* TKVORVarianceFunctions::BuildColourGroup() {
    auto* group = new QGroupBox(this);
    auto* layout = new QGridLayout(group);
    struct Box {
        const char* Name;
        const char* Caption;
        int Help;
    };
    const std::array<Box, 5> boxes{{
        {"BGColorBox", "&BG:", BGColourHelp},
        {"GraphColorBox", "&Graph:", GraphColourHelp},
        {"HeaderColorBox", "T&itle:", TitleColourHelp},
        {"YColorBox", "&Y-VF:", YColourHelp},
        {"XColorBox", "X-VF&:", XColourHelp},
    }};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QComboBox* box = ColourBox(group, boxes[i].Name);
        SetHelpContext(box, boxes[i].Help);
        QLabel* label = HelpedLabel(group, QString(boxes[i].Name).replace("Box", "Label"),
                                    boxes[i].Caption, box, boxes[i].Help);
        const int row = static_cast<int>(i);
        layout->addWidget(label, row, 0);
        layout->addWidget(box, row, 1);
        m_colourLabels << label;
        m_colourBoxes << box;
    }
    m_bwCheck = ControlFactory::Check(group, "BWCheckBox", "Black/&White", BWHelp);
    layout->addWidget(m_bwCheck, static_cast<int>(boxes.size()), 0, 1, 2);
    return group;
}

QWidget* TKVORVarianceFunctions::BuildOptionGroup() {
    using ControlFactory::Check;
    auto* group = new QGroupBox(this);
    m_yOnTopCheck = Check(group, "YOnTopCheckBox", "Y-F&unction on Top", YOnTopHelp);
    m_xLogCheck = Check(group, "XLogCheckBox", "Log M&ean", XLogHelp);
    m_yLogCheck = Check(group, "YLogCheckBox", "&Log Var, SD", YLogHelp);
    m_zeroOriginCheck = Check(group, "ZeroOriginCheckBox", "Ze&ro Origin", ZeroOriginHelp);
    m_ticksCheck = Check(group, "TicksCheckBox", "Minor Tic&ks", TicksHelp);
    m_headerCheck = Check(group, "HeaderCheckBox", "Gra&ph Title", HeaderHelp);
    m_labelsCheck = Check(group, "LabelsCheckBox", "V&F Labels", LabelsHelp);
    auto* layout = new QGridLayout(group);
    layout->addWidget(m_xLogCheck, 0, 0);
    layout->addWidget(m_yLogCheck, 1, 0);
    layout->addWidget(m_zeroOriginCheck, 2, 0);
    layout->addWidget(m_yOnTopCheck, 3, 0);
    layout->addWidget(m_ticksCheck, 0, 1);
    layout->addWidget(m_headerCheck, 1, 1);
    layout->addWidget(m_labelsCheck, 2, 1);
    return group;
}

QWidget* TKVORVarianceFunctions::BuildSizeGroup() {
    auto* group = new QGroupBox(this);
    QStringList aspects;
    for (const int aspect : AspectChoices) {
        aspects << QString::number(aspect);
    }
    m_aspectCombo = Choices(group, "AspectComboBox", aspects, AspectHelp);
    QStringList sizes;
    for (const std::string& name : FontSizeOptionNames()) {
        sizes << QString::fromStdString(name);
    }
    m_fontSizeCombo = Choices(group, "FontSizeComboBox", sizes, FontSizeHelp);
    auto* layout = new QGridLayout(group);
    layout->addWidget(
        HelpedLabel(group, "AspectLabel", "Y/X Ratio (&%):", m_aspectCombo, AspectHelp), 0, 0);
    layout->addWidget(m_aspectCombo, 0, 1);
    layout->addWidget(
        HelpedLabel(group, "FontSizeLabel", "Font Si&ze:", m_fontSizeCombo, FontSizeHelp), 1, 0);
    layout->addWidget(m_fontSizeCombo, 1, 1);
    return group;
}

void TKVORVarianceFunctions::BuildControls() {
    using namespace ControlFactory;
    m_vfImage = Label(this, "VFImage", QString());
    m_vfImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_vfImage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_vfImage->setMinimumSize(200, 150);
    SetHelpContext(m_vfImage, PictureHelp);
    m_dragBand = new QRubberBand(QRubberBand::Rectangle, m_vfImage);
    for (int function = VFYFunction; function <= VFXFunction; ++function) {
        auto* handle = new TVFLabelHandle(function == VFYFunction ? "VFID1" : "VFID2", m_vfImage);
        SetHelpContext(handle, LabelHandleHelp);
        handle->Pressed = [this, function](QPoint at) { VFID1MouseDown(function, at); };
        handle->Moved = [this](QPoint at) { VFID1MouseMove(at); };
        handle->Released = [this](QPoint at) { VFID1MouseUp(at); };
        m_handles[static_cast<std::size_t>(function - 1)] = handle;
    }

    m_outputGroup = new TGraphOutputGroup(
        *m_graph, m_output, GraphOutputSpec{3, 4, 3, "KVOR Variance Function Plot"}, this);
    m_outputGroup->Restored = [this] { update(); };
    const std::array<std::pair<const char*, int>, 6> outputHelp{{
        {"BMPRadioButton", BitmapHelp},
        {"EMFRadioButton", MetafileHelp},
        {"CopyButton", CopyHelp},
        {"FileButton", FileHelp},
        {"PSetupButton", PSetupHelp},
        {"PrintButton", PrintHelp},
    }};
    for (const auto& [name, help] : outputHelp) {
        SetHelpContext(m_outputGroup->findChild<QWidget*>(name), help);
    }
    QPushButton* close = Button(this, "CloseButton", "Close", CloseHelp);
    QPushButton* help = Button(this, "HelpButton", "&Help", HelpButtonHelp);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { emit HelpRequested(HelpTopic); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(close);
    buttons->addWidget(help);

    // The option groups share out any spare height of the panel.
    auto* panel = new QVBoxLayout;
    for (QWidget* group :
         {BuildTypeGroup(), BuildColourGroup(), BuildOptionGroup(), BuildSizeGroup()}) {
        panel->addWidget(group);
        panel->addStretch(1);
    }
    panel->addWidget(m_outputGroup);
    panel->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_vfImage, 1);
    layout->addLayout(panel);
    Connect();
}

void TKVORVarianceFunctions::Connect() {
    const auto type = [this](QRadioButton* radio, VFGraphType graphType) {
        connect(radio, &QRadioButton::toggled, this, [this, graphType](bool on) {
            if (on) {
                GraphTypeClick(graphType);
            }
        });
    };
    type(m_varRadio, VFGraphType::Variance);
    type(m_sdRadio, VFGraphType::SD);
    type(m_cvRadio, VFGraphType::CV);
    connect(m_cvMaxCombo, &QComboBox::currentIndexChanged, this,
            &TKVORVarianceFunctions::CVmaxComboBoxChange);
    const std::array<RgbColour*, 5> targets{&m_options.BackgroundColour, &m_options.GraphColour,
                                            &m_options.TitleColour, &m_options.YFunctionColour,
                                            &m_options.XFunctionColour};
    for (int i = 0; i < 5; ++i) {
        QComboBox* box = m_colourBoxes[i];
        RgbColour* target = targets[static_cast<std::size_t>(i)];
        connect(box, &QComboBox::currentIndexChanged, this, [this, box, target] {
            if (!m_handlersActive) {
                return;
            }
            *target = FromQColor(box->currentData().value<QColor>());
            const bool hidden = (target == &m_options.TitleColour && !m_options.ShowTitle) ||
                                (target == &m_options.XFunctionColour && !BothFunctions());
            if (!hidden) {
                UpdateGraph();
            }
        });
    }
    connect(m_bwCheck, &QCheckBox::toggled, this, &TKVORVarianceFunctions::BWCheckBoxClick);
    connect(m_xLogCheck, &QCheckBox::toggled, this, &TKVORVarianceFunctions::XLogCheckBoxClick);
    // A flag of the options; `reset` lists the label positions that return to automatic.
    const auto flag = [this](QCheckBox* box, bool GraphOptions::*field, std::array<bool, 3> reset) {
        connect(box, &QCheckBox::toggled, this, [this, field, reset](bool on) {
            if (!m_handlersActive) {
                return;
            }
            m_options.*field = on;
            ResetLabels(reset[0], reset[1], reset[2]);
            UpdateGraph();
        });
    };
    flag(m_yOnTopCheck, &GraphOptions::YOnTop, {});
    flag(m_yLogCheck, &GraphOptions::YLog, {true, true, false});
    flag(m_zeroOriginCheck, &GraphOptions::VFZeroOrigin, {true, true, true});
    flag(m_ticksCheck, &GraphOptions::MinorTickMarks, {});
    flag(m_headerCheck, &GraphOptions::ShowTitle, {});
    flag(m_labelsCheck, &GraphOptions::VFLabels, {});
    connect(m_aspectCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_handlersActive && index >= 0) {
            m_options.VFAspect = AspectChoices[static_cast<std::size_t>(index)];
            ResetLabels(true, true, true);
            UpdateGraph();
        }
    });
    connect(m_fontSizeCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (m_handlersActive && index >= 0) {
            m_options.FontSizeOption = index;
            ApplyFontPreset(m_options);
            ResetLabels(true, true, true);
            UpdateGraph();
        }
    });
}

bool TKVORVarianceFunctions::BothFunctions() const {
    return m_set.FirstFunction == VFYFunction && m_set.LastFunction == VFXFunction;
}

void TKVORVarianceFunctions::SetUpVFDialog() {
    const bool both = BothFunctions();
    m_varRadio->setChecked(true);
    m_yOnTopCheck->setChecked(both && m_options.YOnTop);
    m_yOnTopCheck->setEnabled(both);
    m_labelsCheck->setChecked(m_options.VFLabels);
    m_labelsCheck->setEnabled(both);
    bool cvPossible = false;
    for (int f = m_set.FirstFunction; f >= VFYFunction && f <= m_set.LastFunction; ++f) {
        cvPossible = cvPossible || (m_set.Curve(f).Plottable && m_set.Curve(f).CvPossible);
    }
    m_cvRadio->setEnabled(cvPossible);
    if (cvPossible) {
        m_cvMaxCombo->setCurrentIndex(
            m_cvMaxCombo->findText(QString::number(static_cast<int>(m_set.DefaultCvMax))));
    }
    m_cvMaxLabel->setEnabled(false);
    m_cvMaxCombo->setEnabled(false);
    m_xLogCheck->setChecked(m_options.XLog);
    m_yLogCheck->setChecked(m_options.YLog);
    m_yLogCheck->setEnabled(m_set.VarianceLogAxis.Intervals > 0);
    m_zeroOriginCheck->setChecked(m_options.VFZeroOrigin);
    EnableZeroOrigin();
    const std::array<RgbColour, 5> colours{m_options.BackgroundColour, m_options.GraphColour,
                                           m_options.TitleColour, m_options.YFunctionColour,
                                           m_options.XFunctionColour};
    for (int i = 0; i < 5; ++i) {
        SelectColour(m_colourBoxes[i], colours[static_cast<std::size_t>(i)]);
        m_colourLabels[i]->setEnabled(!m_options.BlackWhite);
        m_colourBoxes[i]->setEnabled(!m_options.BlackWhite);
    }
    m_bwCheck->setChecked(m_options.BlackWhite);
    m_ticksCheck->setChecked(m_options.MinorTickMarks);
    m_headerCheck->setChecked(m_options.ShowTitle);
    m_aspectCombo->setCurrentIndex(AspectIndex(m_options.VFAspect));
    m_fontSizeCombo->setCurrentIndex(m_options.FontSizeOption);
}

void TKVORVarianceFunctions::EnableZeroOrigin() {
    m_zeroOriginCheck->setEnabled(!m_options.XLog && !m_options.VFZeroOriginForced);
}

void TKVORVarianceFunctions::ResetLabels(bool variance, bool sd, bool cv) {
    const std::array<bool, 3> reset{variance, sd, cv};
    for (VFCurve& curve : m_set.Curves) {
        for (std::size_t t = 0; t < reset.size(); ++t) {
            if (reset[t]) {
                curve.LabelX[t] = -1;
                curve.LabelY[t] = -1;
            }
        }
    }
}

void TKVORVarianceFunctions::GraphTypeClick(VFGraphType type) {
    if (!m_handlersActive) {
        return;
    }
    m_set.GraphType = type;
    const bool cv = type == VFGraphType::CV;
    m_cvMaxLabel->setEnabled(cv);
    m_cvMaxCombo->setEnabled(cv);
    m_yLogCheck->setEnabled(!cv && m_set.VarianceLogAxis.Intervals > 0);
    UpdateGraph();
}

void TKVORVarianceFunctions::CVmaxComboBoxChange(int index) {
    if (!m_handlersActive || index < 0) {
        return;
    }
    m_set.DefaultCvMax = CvMaxChoices[static_cast<std::size_t>(index)];
    m_set.CvAxis = PresetCvAxis(m_set.DefaultCvMax);
    ResetLabels(false, false, true);
    UpdateGraph();
}

void TKVORVarianceFunctions::BWCheckBoxClick() {
    if (!m_handlersActive) {
        return;
    }
    m_options.BlackWhite = m_bwCheck->isChecked();
    for (int i = 0; i < 5; ++i) {
        m_colourLabels[i]->setEnabled(!m_options.BlackWhite);
        m_colourBoxes[i]->setEnabled(!m_options.BlackWhite);
    }
    UpdateGraph();
}

void TKVORVarianceFunctions::XLogCheckBoxClick() {
    if (!m_handlersActive) {
        return;
    }
    m_options.XLog = m_xLogCheck->isChecked();
    EnableZeroOrigin();
    ResetLabels(true, true, true);
    UpdateGraph();
}

void TKVORVarianceFunctions::UpdateGraph() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setEnabled(false);
    DisplayVF();
    QApplication::processEvents();
    setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void TKVORVarianceFunctions::DisplayVF() {
    const QSize size = m_vfImage->size();
    m_picture = RenderScreenPicture(*m_graph, size.width(), size.height());
    m_vfImage->setPixmap(QPixmap::fromImage(m_picture));
    for (std::size_t i = 0; i < m_handles.size(); ++i) {
        const QRect& rect = m_graph->LabelRects[i];
        m_handles[i]->setGeometry(rect);
        m_handles[i]->setVisible(!rect.isEmpty());
        m_handles[i]->raise();
    }
}

void TKVORVarianceFunctions::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    DisplayVF();
}

void TKVORVarianceFunctions::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        emit Activated();
    }
}

QRect TKVORVarianceFunctions::DraggedRect(QPoint global) const {
    return m_dragFrom.translated(global - m_dragStart);
}

void TKVORVarianceFunctions::VFID1MouseDown(int function, QPoint global) {
    m_dragFunction = function;
    m_dragStart = global;
    m_dragFrom = m_graph->LabelRects[static_cast<std::size_t>(function - 1)];
    QApplication::setOverrideCursor(Qt::DragMoveCursor);
    m_graph->DraggedCurve = function;
    DisplayVF();
    m_dragBand->setGeometry(m_dragFrom);
    m_dragBand->show();
}

void TKVORVarianceFunctions::VFID1MouseMove(QPoint global) {
    if (m_dragFunction == 0) {
        return;
    }
    const QRect rect = DraggedRect(global);
    m_dragBand->setGeometry(rect);
    QApplication::changeOverrideCursor(m_graph->PlotRect().contains(rect) ? Qt::DragMoveCursor
                                                                          : Qt::ForbiddenCursor);
}

void TKVORVarianceFunctions::VFID1MouseUp(QPoint global) {
    if (m_dragFunction == 0) {
        return;
    }
    const int function = m_dragFunction;
    m_dragFunction = 0;
    m_dragBand->hide();
    QApplication::restoreOverrideCursor();
    m_graph->DraggedCurve = 0;
    const QRect rect = DraggedRect(global);
    if (global != m_dragStart && m_graph->PlotRect().contains(rect)) {
        const QRect plot = m_graph->PlotRect();
        const VFPlotGeometry g = m_graph->PlotGeometry();
        VFCurve& curve = m_set.Curve(function);
        const std::size_t type = TypeSlot(m_set.GraphType);
        curve.LabelX[type] = AxisDataValue(g.X, rect.left() - plot.left());
        curve.LabelY[type] =
            AxisDataValue(g.Y, plot.top() + plot.height() - (rect.top() + rect.height()));
    }
    UpdateGraph();
}

} // namespace kvor
