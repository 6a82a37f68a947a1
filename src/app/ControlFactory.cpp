#include "app/ControlFactory.h"

#include "app/HelpContext.h"
#include "app/MainContext.h"
#include "app/QIVNumEdit.h"
#include "app/QIVSpinEdit.h"
#include "engine/DesignLimits.h"

#include <QButtonGroup>
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

// Edits of one kind share one width: short numbers (range, slope, intercept), long ones
// (coefficients, exponents, the constant variance), and the spin edits.
constexpr int ShortNumberChars = 8;
constexpr int LongNumberChars = 14;
constexpr int SpinChars = 5;

int EditWidth(const QWidget& edit, int chars, int extra) {
    const QFontMetrics metrics(edit.font());
    return metrics.horizontalAdvance(QString(chars, QLatin1Char('8'))) + 14 + extra;
}

} // namespace

QLabel* Label(QWidget* parent, const QString& name, const QString& text) {
    return Named(new QLabel(text, parent), name, 0);
}

int PanelWidth(const QLabel& panel, std::initializer_list<PanelFormat> formats) {
    const QFontMetrics metrics(panel.font());
    int widest = 0;
    for (const PanelFormat format : formats) {
        for (const std::string& text : WidestCandidates(format)) {
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(text)));
        }
    }
    // A framed label keeps half an x of room beside right-aligned text.
    const int indent = panel.indent() >= 0 ? panel.indent() : metrics.horizontalAdvance('x') / 2;
    const QMargins margins = panel.contentsMargins();
    return widest + indent + 2 * (panel.margin() + panel.frameWidth()) + margins.left() +
           margins.right() + 2;
}

QLabel* ResultPanel(QWidget* parent, const QString& name, int help,
                    std::initializer_list<PanelFormat> formats) {
    auto* panel = Label(parent, name, QString());
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setFixedWidth(PanelWidth(*panel, formats));
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetHelpContext(panel, help);
    return panel;
}

QRadioButton* Radio(QWidget* parent, const QString& name, const QString& text, int help) {
    return Named(new QRadioButton(text, parent), name, help);
}

QButtonGroup* Exclusive(QObject* owner, std::initializer_list<QRadioButton*> buttons) {
    auto* group = new QButtonGroup(owner);
    group->setExclusive(true);
    for (QRadioButton* button : buttons) {
        group->addButton(button);
    }
    return group;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& text, int help) {
    return Named(new QCheckBox(text, parent), name, help);
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& text, int help) {
    auto* button = Named(new QPushButton(text, parent), name, help);
    button->setAutoDefault(false);
    return button;
}

TQIVNumEdit* NumEdit(QWidget* parent, MainContext& context, const QString& name, DesignField field,
                     int help) {
    const FieldLimits& limits = DesignLimit(field);
    auto* edit = Named(new TQIVNumEdit(parent), name, help);
    edit->SetMinValue(limits.Min);
    edit->SetMaxValue(limits.Max);
    edit->setMaxLength(limits.MaxLength);
    if (limits.Tag != 0) {
        edit->SetTag(limits.Tag);
    }
    edit->SetMessageService(&context.Messages());
    edit->SetDecimalSeparator(context.DecimalSeparator());
    edit->SetValue(limits.Default);
    edit->setFixedWidth(EditWidth(
        *edit, limits.MaxLength <= ShortNumberChars ? ShortNumberChars : LongNumberChars, 0));
    return edit;
}

TQIVSpinEdit* SpinEdit(QWidget* parent, MainContext& context, const QString& name,
                       DesignField field, int help) {
    const FieldLimits& limits = DesignLimit(field);
    auto* edit = Named(new TQIVSpinEdit(parent), name, help);
    edit->SetMinValue(static_cast<int>(limits.Min));
    edit->SetMaxValue(static_cast<int>(limits.Max));
    edit->setMaxLength(limits.MaxLength);
    edit->SetMessageService(&context.Messages());
    edit->SetValue(static_cast<int>(limits.Default));
    edit->setFixedWidth(EditWidth(*edit, SpinChars, 16));
    return edit;
}

} // namespace kvor::ControlFactory
