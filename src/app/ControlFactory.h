#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kvor {

class MainContext;
class TQIVNumEdit;
class TQIVSpinEdit;

// Builds the controls of the main window, each named and with its help id.
namespace ControlFactory {

QLabel* Label(QWidget* parent, const QString& name, const QString& text);
// A sunken, right-aligned panel that shows one result.
QLabel* ResultPanel(QWidget* parent, const QString& name, int help, int minimumWidth);
QRadioButton* Radio(QWidget* parent, const QString& name, const QString& text, int help);
QCheckBox* Check(QWidget* parent, const QString& name, const QString& text, int help);
QPushButton* Button(QWidget* parent, const QString& name, const QString& text, int help);
TQIVNumEdit* NumEdit(QWidget* parent, MainContext& context, const QString& name, double min,
                     double max, int maxLength, double value, int help);
TQIVSpinEdit* SpinEdit(QWidget* parent, MainContext& context, const QString& name, int min, int max,
                       int maxLength, int value, int help);

// Number of decimal digits of a positive value (the length limit that fits it).
int DigitCount(int value);

} // namespace ControlFactory
} // namespace kvor
