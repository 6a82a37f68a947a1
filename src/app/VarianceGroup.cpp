#include "app/VarianceGroup.h"

#include "app/ControlFactory.h"
#include "app/MainContext.h"
#include "app/MainTexts.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "app/WidgetHelpers.h"
#include "engine/DesignLimits.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

namespace kvor {

namespace {

constexpr DesignField CoefficientFields[3] = {DesignField::B1, DesignField::B2, DesignField::B3};
// Room between a label and the edit it names.
constexpr int LabelGap = 8;

void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QString FormCaption(int form, QChar axis) {
    const QString v(axis);
    switch (form) {
    case 3:
        return QStringLiteral("V = B1 + B2*(%1**J)").arg(v);
    case 4:
        return QStringLiteral("V = B1 + B2*%1 + B3*(%1**J)").arg(v);
    default:
        return QStringLiteral("V = (B1 + B2*%1)**J").arg(v);
    }
}

} // namespace

TVarianceGroup::TVarianceGroup(const QString& prefix, const VarianceHelpIds& help,
                               bool withConstant, MainContext& context, QWidget* parent)
    : QGroupBox(parent), m_axis(prefix.back()) {
    using namespace ControlFactory;
    setObjectName(prefix + "GroupBox");
    setTitle(m_axis == QLatin1Char('Y') ? MainTexts::YVarianceFunctionGroup
                                        : MainTexts::XVarianceFunctionGroup);
    m_f2 = Radio(this, prefix + "F2RadioButton", FormCaption(2, m_axis), help.F2);
    m_f3 = Radio(this, prefix + "F3RadioButton", FormCaption(3, m_axis), help.F3);
    m_f4 = Radio(this, prefix + "F4RadioButton", FormCaption(4, m_axis), help.F4);
    Exclusive(this, {m_f2, m_f3, m_f4});
    m_f2->setChecked(true);
    m_paraLabel = Label(this, prefix + "ParaLabel", MainTexts::Para);
    m_para = SpinEdit(this, context, prefix + "ParaSpinEdit", DesignField::Para, help.Para);
    m_para->setReadOnly(true);
    m_para->installEventFilter(this);
    const char* bTexts[3] = {MainTexts::B1, MainTexts::B2, MainTexts::B3};
    const int bHelp[3] = {help.B1, help.B2, help.B3};
    for (int i = 0; i < 3; ++i) {
        const QString name = prefix + "B" + QString::number(i + 1);
        m_bLabel[i] = Label(this, name + "Label", bTexts[i]);
        m_b[i] = NumEdit(this, context, name + "Edit", CoefficientFields[i], bHelp[i]);
    }
    m_jLabel = Label(this, prefix + "JLabel", MainTexts::J);
    m_j = NumEdit(this, context, prefix + "JEdit", DesignField::J, help.J);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(LabelGap);
    grid->addWidget(m_f2, 0, 0);
    auto* paraRow = new QHBoxLayout;
    paraRow->setSpacing(LabelGap);
    paraRow->addStretch(1);
    paraRow->addWidget(m_paraLabel);
    paraRow->addWidget(m_para);
    grid->addLayout(paraRow, 0, 1, 1, 2);
    grid->addWidget(m_f3, 1, 0, 1, 3);
    grid->addWidget(m_f4, 2, 0, 1, 3);
    m_coefficients = new QGridLayout;
    m_coefficients->setHorizontalSpacing(LabelGap);
    m_coefficients->addWidget(m_bLabel[0], 0, 0);
    m_coefficients->addWidget(m_b[0], 0, 1);
    m_coefficients->addWidget(m_bLabel[1], 0, 2);
    m_coefficients->addWidget(m_b[1], 0, 3);
    m_coefficients->addWidget(m_bLabel[2], 1, 0);
    m_coefficients->addWidget(m_b[2], 1, 1);
    m_coefficients->setColumnStretch(4, 1);
    grid->addLayout(m_coefficients, 3, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    PlaceJ(false);

    if (withConstant) {
        m_functionLabel = Label(this, prefix.left(1) + "FunctionLabel", MainTexts::FunctionNote);
        m_constantLabel = Label(this, prefix.left(1) + "ConstantLabel", MainTexts::ConstantLabel);
        m_constant = NumEdit(this, context, prefix.left(1) + "ConstantNumEdit",
                             DesignField::ConstantVariance, 238);
        auto* constantRow = new QHBoxLayout;
        constantRow->setSpacing(LabelGap);
        constantRow->addWidget(m_constantLabel);
        constantRow->addWidget(m_constant);
        constantRow->addStretch(1);
        // The constant shares the rows of the function controls: only one of them shows.
        grid->addWidget(m_functionLabel, 0, 0, 1, 3);
        grid->addLayout(constantRow, 1, 0, 1, 3);
        m_functionLabel->hide();
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_f2, m_f3, m_f4, m_paraLabel, m_para, m_bLabel[0], m_b[0],
                                         m_bLabel[1], m_b[1], m_bLabel[2], m_b[2], m_jLabel, m_j}) {
        KeepPlaceWhenHidden(w);
    }
    // B3 (and in the Y group form 4) start hidden and disabled; creation code sets the rest.
    if (withConstant) {
        m_f4->hide();
        m_f4->setEnabled(false);
    }
    m_bLabel[2]->hide();
    m_b[2]->hide();
    m_bLabel[2]->setEnabled(false);
    m_b[2]->setEnabled(false);

    for (QRadioButton* button : {m_f2, m_f3, m_f4}) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) {
                emit FormClicked();
            }
        });
    }
    connect(m_para, &QLineEdit::textChanged, this, &TVarianceGroup::ParaChanged);
}

DesignField TVarianceGroup::FieldOf(const TQIVNumEdit* edit) const {
    for (int i = 0; i < 3; ++i) {
        if (edit == m_b[i]) {
            return CoefficientFields[i];
        }
    }
    return edit == m_j ? DesignField::J : DesignField::ConstantVariance;
}

int TVarianceGroup::Form() const {
    if (m_f2->isChecked()) {
        return 2;
    }
    return m_f4->isChecked() ? 4 : 3;
}

VarianceFunction TVarianceGroup::Read() const {
    VarianceFunction f;
    f.Form = Form();
    f.Para = m_para->Value();
    f.B1 = m_b[0]->Value();
    f.B2 = m_b[1]->Value();
    f.B3 = m_b[2]->Value();
    f.J = m_j->Value();
    return f;
}

void TVarianceGroup::PlaceJ(bool rightHand) {
    m_coefficients->removeWidget(m_jLabel);
    m_coefficients->removeWidget(m_j);
    const int column = rightHand ? 2 : 0;
    m_coefficients->addWidget(m_jLabel, 1, column);
    m_coefficients->addWidget(m_j, 1, column + 1);
}

void TVarianceGroup::ShowFunction(bool visible) {
    const bool form4 = Form() == 4;
    SetVisible({m_f2, m_f3, m_f4, m_paraLabel, m_para, m_bLabel[0], m_b[0], m_bLabel[1], m_b[1],
                m_jLabel, m_j},
               visible);
    m_bLabel[2]->setVisible(visible && form4);
    m_b[2]->setVisible(visible && form4);
}

void TVarianceGroup::EnableFunction(bool enabled) {
    setEnabled(enabled);
    SetEnabled({m_f2, m_f3, m_f4, m_bLabel[0], m_b[0], m_bLabel[1], m_b[1], m_jLabel, m_j},
               enabled);
    const bool para = enabled && m_f2->isChecked();
    m_paraLabel->setEnabled(para);
    m_para->setEnabled(para);
    const bool b3 = enabled && !m_b[2]->isHidden();
    m_bLabel[2]->setEnabled(b3);
    m_b[2]->setEnabled(b3);
}

void TVarianceGroup::DisableAll() {
    EnableFunction(false);
}

void TVarianceGroup::ApplyForm(bool paraEnabled) {
    const int form = Form();
    m_paraLabel->setEnabled(form == 2 && paraEnabled);
    m_para->setEnabled(m_paraLabel->isEnabled());
    // Qt keeps the tab stop on the checked button of a radio group, as the form rules want.
    const bool b3 = form == 4;
    m_bLabel[2]->setVisible(b3);
    m_b[2]->setVisible(b3);
    m_bLabel[2]->setEnabled(b3);
    m_b[2]->setEnabled(b3);
    PlaceJ(b3);
}

void TVarianceGroup::UpdateParaCaption() {
    const QString v(m_axis);
    switch (m_para->Value()) {
    case -1:
        m_f2->setText(QStringLiteral("V = B1*(B2 \u2013 %1)**J").arg(v));
        break;
    case 1:
        m_f2->setText(QStringLiteral("V = B1*(B2 + %1)**J").arg(v));
        break;
    default:
        m_f2->setText(FormCaption(2, m_axis));
        break;
    }
}

bool TVarianceGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_para && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Right) {
        m_f4->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace kvor
