#pragma once

#include "graphs/GraphOptions.h"

#include <QColor>
#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QWidget;

namespace kvor {

// The Y/X ratio choices of the graph dialogs, in the order of their combo boxes.
inline constexpr std::array<int, 9> AspectChoices{100, 95, 90, 85, 80, 75, 70, 65, 60};
// Index of an aspect in AspectChoices; 0 for one it does not offer.
int AspectIndex(int aspect);

QColor ToQColor(RgbColour c);
RgbColour FromQColor(const QColor& c);

// A colour box offering the sixteen standard colours.
QComboBox* ColourBox(QWidget* parent, const QString& name);
// Selects the colour, adding it when it is not a standard one.
void SelectColour(QComboBox* box, RgbColour colour);
RgbColour SelectedColour(const QComboBox* box);

QLabel* BuddyLabel(QWidget* parent, const QString& name, const QString& text, QWidget* buddy);

} // namespace kvor
