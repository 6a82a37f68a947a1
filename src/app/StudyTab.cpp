#include "app/StudyTab.h"

#include "app/ControlFactory.h"
#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "app/MainTexts.h"
#include "app/NumEditRules.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "app/VarianceGroup.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvor {

namespace {

// Screen updates off while a handler rearranges many controls.
class UpdatesSuspended {
public:
    explicit UpdatesSuspended(QWidget& widget) : m_widget(widget), m_was(widget.updatesEnabled()) {
        widget.setUpdatesEnabled(false);
    }
    ~UpdatesSuspended() { m_widget.setUpdatesEnabled(m_was); }
    UpdatesSuspended(const UpdatesSuspended&) = delete;
    UpdatesSuspended& operator=(const UpdatesSuspended&) = delete;

private:
    QWidget& m_widget;
    bool m_was;
};

void SetEnabled(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* w : widgets) {
        w->setEnabled(enabled);
    }
}

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
    m_minEdit = NumEdit(m_rangeGroup, context, Name("MinNumEdit"), 0, 1000000, 8, 10, 212);
    m_maxEdit = NumEdit(m_rangeGroup, context, Name("MaxNumEdit"), 0.001, 10000000, 8, 100, 214);
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
    m_targetSlope =
        NumEdit(this, context, Name("TargetSlopeNumEdit"), -100, 100, 5, 1, accuracy ? 230 : 410);
    m_targetInterceptLabel = Label(this, Name("TargetInterceptLabel"),
                                   accuracy ? MainTexts::TrueIntercept : MainTexts::Intercept);
    m_targetIntercept = NumEdit(this, context, Name("TargetInterceptNumEdit"), -99999, 99999, 6, 0,
                                accuracy ? 232 : 412);
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

    for (TQIVNumEdit* edit : {m_minEdit, m_maxEdit}) {
        WireNumEdit(edit, edit == m_minEdit ? NumEditRole::XMinimum : NumEditRole::XMaximum);
    }
    WireNumEdit(m_yGroup->Constant(), NumEditRole::Constant);
    WireNumEdit(m_targetSlope, NumEditRole::Slope);
    WireNumEdit(m_targetIntercept, NumEditRole::Intercept);
    for (TVarianceGroup* group : {m_yGroup, m_xGroup}) {
        for (TQIVNumEdit* edit : group->NumEdits()) {
            WireNumEdit(edit,
                        edit == group->J() ? NumEditRole::Exponent : NumEditRole::Coefficient);
        }
        connect(group, &TVarianceGroup::FormClicked, this, [this, group] { FormClick(*group); });
        connect(group, &TVarianceGroup::ParaChanged, this,
                [this, group] { ParaSpinEditChange(*group); });
    }
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

void TStudyTab::WireNumEdit(TQIVNumEdit* edit, NumEditRole role) {
    connect(edit, &QLineEdit::textChanged, this, [this, edit, role] {
        if (!m_context.HandlersActive()) {
            return;
        }
        DesignChanged();
        AdjustMinValue(*edit, role);
    });
    connect(edit, &TQIVNumEdit::Exit, this, [this, edit, role] {
        const double value = NormalisedExitValue(*edit, role);
        {
            const HandlersPause pause(m_context);
            edit->SetValue(value);
        }
        AdjustMinValue(*edit, role);
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
