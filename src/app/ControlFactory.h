#pragma once

#include "studies/WidestTexts.h"

#include <QString>

#include <initializer_list>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QObject;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kvor {

class MainContext;
enum class DesignField;
class TQIVNumEdit;
class TQIVSpinEdit;

// Builds the controls of the main window, each named and with its help id.
namespace ControlFactory {

QLabel* Label(QWidget* parent, const QString& name, const QString& text);
// A sunken, right-aligned panel that shows one result, wide enough for the widest text of the
// formats it (or the panels it lines up with) shows, and never changing width.
QLabel* ResultPanel(QWidget* parent, const QString& name, int help,
                    std::initializer_list<PanelFormat> formats);
// The width in which a panel shows the widest text of its formats whole.
int PanelWidth(const QLabel& panel, std::initializer_list<PanelFormat> formats);
QRadioButton* Radio(QWidget* parent, const QString& name, const QString& text, int help);
// Makes the buttons one exclusive group: exactly one of them is checked, whatever their
// parents, and clicking the checked one changes nothing.
QButtonGroup* Exclusive(QObject* owner, std::initializer_list<QRadioButton*> buttons);
QCheckBox* Check(QWidget* parent, const QString& name, const QString& text, int help);
QPushButton* Button(QWidget* parent, const QString& name, const QString& text, int help);
// The edit of a design field, with the range, length, default and tag of its limits.
TQIVNumEdit* NumEdit(QWidget* parent, MainContext& context, const QString& name, DesignField field,
                     int help);
TQIVSpinEdit* SpinEdit(QWidget* parent, MainContext& context, const QString& name,
                       DesignField field, int help);

} // namespace ControlFactory
} // namespace kvor
