#include "app/ControlFactory.h"

#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kvor::ControlFactory {

namespace {

template <typename Control> Control* Named(Control* control, const QString& name, int help) {
    control->setObjectName(name);
    if (help != 0) {
        SetHelpContext(control, help);
    }
    return control;
}

// Room for maxLength digits and the spin buttons, but never narrower than a short number.
int EditWidth(const QWidget& edit, int maxLength, int extra) {
    const QFontMetrics metrics(edit.font());
    return metrics.horizontalAdvance(QString(std::max(maxLength, 4), QLatin1Char('8'))) + 14 +
           extra;
}

} // namespace

QLabel* Label(QWidget* parent, const QString& name, const QString& text) {
    return Named(new QLabel(text, parent), name, 0);
}

QLabel* ResultPanel(QWidget* parent, const QString& name, int help, int minimumWidth) {
    auto* panel = Label(parent, name, QString());
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(minimumWidth);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetHelpContext(panel, help);
    return panel;
}

QRadioButton* Radio(QWidget* parent, const QString& name, const QString& text, int help) {
    return Named(new QRadioButton(text, parent), name, help);
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& text, int help) {
    return Named(new QCheckBox(text, parent), name, help);
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& text, int help) {
    auto* button = Named(new QPushButton(text, parent), name, help);
    button->setAutoDefault(false);
    return button;
}

TQIVNumEdit* NumEdit(QWidget* parent, MainContext& context, const QString& name, double min,
                     double max, int maxLength, double value, int help) {
    auto* edit = Named(new TQIVNumEdit(parent), name, help);
    edit->SetMinValue(min);
    edit->SetMaxValue(max);
    edit->setMaxLength(maxLength);
    edit->SetMessageService(&context.Messages());
    edit->SetDecimalSeparator(context.DecimalSeparator());
    edit->SetValue(value);
    edit->setFixedWidth(EditWidth(*edit, maxLength, 0));
    return edit;
}

TQIVSpinEdit* SpinEdit(QWidget* parent, MainContext& context, const QString& name, int min, int max,
                       int maxLength, int value, int help) {
    auto* edit = Named(new TQIVSpinEdit(parent), name, help);
    edit->SetMinValue(min);
    edit->SetMaxValue(max);
    edit->setMaxLength(maxLength);
    edit->SetMessageService(&context.Messages());
    edit->SetValue(value);
    edit->setFixedWidth(EditWidth(*edit, maxLength, 16));
    return edit;
}

int DigitCount(int value) {
    return static_cast<int>(QString::number(value).size());
}

} // namespace kvor::ControlFactory
