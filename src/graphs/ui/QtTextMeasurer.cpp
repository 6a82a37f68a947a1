#include "graphs/ui/QtTextMeasurer.h"

#include "graphs/GraphLayout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QString>

#include <cmath>
#include <utility>

namespace kvor {

namespace {

constexpr int ReferencePixelSize = 1000;

QFont RoleFont(const GraphOptions& options, FontRole role, int pixelSize) {
    const auto index = static_cast<std::size_t>(role);
    QFont font(QString::fromStdString(options.FontNames[index]));
    const unsigned styles = options.FontStyles[index];
    font.setBold((styles & FontBold) != 0);
    font.setItalic((styles & FontItalic) != 0);
    font.setUnderline((styles & FontUnderline) != 0);
    font.setStrikeOut((styles & FontStrikeOut) != 0);
    font.setPixelSize(std::max(pixelSize, 1));
    return font;
}

} // namespace

QFont CellHeightFont(const GraphOptions& options, FontRole role, int cellPixels,
                     const QPaintDevice* device) {
    // Qt sizes fonts by their em; the cell of a face is a fixed multiple of it.
    const QFont reference = RoleFont(options, role, ReferencePixelSize);
    const qreal cellPerEm =
        QFontMetricsF(reference, device).height() / static_cast<qreal>(ReferencePixelSize);
    const int em =
        cellPerEm > 0 ? static_cast<int>(std::lround(cellPixels / cellPerEm)) : cellPixels;
    return RoleFont(options, role, em);
}

RoleFonts ScreenGraphFonts(const GraphOptions& options, int d, int screenPixelsPerInch,
                           const QPaintDevice* device) {
    RoleFonts fonts;
    for (int role = 0; role < FontRoleCount; ++role) {
        const auto r = static_cast<FontRole>(role);
        const int cell = ScreenFontCellPixels(options.FontSize(r), d, screenPixelsPerInch);
        fonts[static_cast<std::size_t>(role)] = CellHeightFont(options, r, cell, device);
    }
    return fonts;
}

QtTextMeasurer::QtTextMeasurer(const QPaintDevice* device, RoleFonts fonts)
    : m_device(device), m_fonts(std::move(fonts)) {}

int QtTextMeasurer::TextHeight(const std::string& text, FontRole role) const {
    // Like a text-extent call: the cell height of the font, whatever the text.
    (void)text;
    const QFontMetricsF metrics(m_fonts[static_cast<std::size_t>(role)], m_device);
    return static_cast<int>(std::lround(metrics.height()));
}

int QtTextMeasurer::TextWidth(const std::string& text, FontRole role) const {
    const QFontMetricsF metrics(m_fonts[static_cast<std::size_t>(role)], m_device);
    return static_cast<int>(std::lround(metrics.horizontalAdvance(QString::fromStdString(text))));
}

} // namespace kvor
