#include "graphs/ui/ColourBox.h"

#include "app/ControlFactory.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace kvor {

namespace {

constexpr std::array<RgbColour, 16> StandardColours{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {128, 128, 128},
    {192, 192, 192},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

void AddSwatch(QComboBox* box, RgbColour c) {
    QPixmap swatch(24, 12);
    swatch.fill(ToQColor(c));
    box->addItem(QIcon(swatch), QString(), ToQColor(c));
    box->setItemData(box->count() - 1, ToQColor(c).name(), Qt::ToolTipRole);
}

} // namespace

int AspectIndex(int aspect) {
    const auto found = std::find(AspectChoices.begin(), AspectChoices.end(), aspect);
    return found == AspectChoices.end() ? 0 : static_cast<int>(found - AspectChoices.begin());
}

QColor ToQColor(RgbColour c) {
    return QColor(c.R, c.G, c.B);
}

RgbColour FromQColor(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

QComboBox* ColourBox(QWidget* parent, const QString& name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    for (const RgbColour c : StandardColours) {
        AddSwatch(box, c);
    }
    box->setIconSize(QSize(24, 12));
    return box;
}

void SelectColour(QComboBox* box, RgbColour colour) {
    int index = box->findData(ToQColor(colour));
    if (index < 0) {
        AddSwatch(box, colour);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

RgbColour SelectedColour(const QComboBox* box) {
    return FromQColor(box->currentData().value<QColor>());
}

QLabel* BuddyLabel(QWidget* parent, const QString& name, const QString& text, QWidget* buddy) {
    QLabel* label = ControlFactory::Label(parent, name, text);
    label->setBuddy(buddy);
    return label;
}

} // namespace kvor
