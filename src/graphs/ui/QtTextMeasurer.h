#pragma once

#include "graphs/GraphOptions.h"
#include "graphs/TextMeasurer.h"

#include <QFont>

#include <array>

class QPaintDevice;

namespace kvor {

using RoleFonts = std::array<QFont, FontRoleCount>;

// A font of the role's family and styles whose character cell (ascent + descent) is
// cellPixels high on `device`.
QFont CellHeightFont(const GraphOptions& options, FontRole role, int cellPixels,
                     const QPaintDevice* device);

// The four role fonts of a graph laid out with unit d on screen (or in an exported picture).
RoleFonts ScreenGraphFonts(const GraphOptions& options, int d, int screenPixelsPerInch,
                           const QPaintDevice* device);

// Text extents measured with the font metrics of the device being painted.
class QtTextMeasurer : public TextMeasurer {
public:
    QtTextMeasurer(const QPaintDevice* device, RoleFonts fonts);

    int TextHeight(const std::string& text, FontRole role) const override;
    int TextWidth(const std::string& text, FontRole role) const override;

private:
    const QPaintDevice* m_device;
    RoleFonts m_fonts;
};

} // namespace kvor
