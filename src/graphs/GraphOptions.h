#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kvor {

struct RgbColour {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// Font style set, one bit per style.
enum FontStyle : unsigned { FontBold = 1, FontItalic = 2, FontUnderline = 4, FontStrikeOut = 8 };

// Font roles of a graph picture, indexing the font block.
enum class FontRole : int { Title = 0, AxisTitles = 1, TickLabels = 2, CurveLabels = 3 };

constexpr int FontRoleCount = 4;
constexpr int FontSizeOptionCount = 4;

// The display settings shared by the graph dialogs. The design graphs (variance functions,
// sampling lines) use one instance, the confidence visualisation another with its own colours.
struct GraphOptions {
    std::array<std::string, FontRoleCount> FontNames{"Arial", "Arial", "Arial", "Arial"};
    std::array<unsigned, FontRoleCount> FontStyles{0, 0, 0, 0};
    std::array<int, FontRoleCount> FontSizes{15, 14, 12, 12};
    int FontSizeOption = 2;
    int LastSetsCount = 0;
    int PointSize = 4;
    int VFAspect = 70;
    int LinesAspect = 100;
    int ParamSpaceAspect = 100;
    int VisAspect = 100;
    int MajorTickLength = 6;
    int MinorTickLength = 4;
    bool YOnTop = true;
    bool BlackWhite = false;
    bool VFZeroOriginForced = false;
    bool VFZeroOrigin = false;
    bool LinesZeroOriginForced = false;
    bool LinesZeroOrigin = false;
    bool ExtendLines = false;
    bool ShowTrue = true;
    bool MinorTickMarks = true;
    bool ShowTitle = true;
    bool XLog = false;
    bool YLog = false;
    bool VFLabels = true;
    bool TrueBeneath = false;
    RgbColour BackgroundColour{255, 255, 208};
    RgbColour GraphColour{0, 0, 0};
    RgbColour TitleColour{0, 0, 255};
    RgbColour LinesColour{255, 0, 0};
    RgbColour XFunctionColour{0, 0, 255};
    RgbColour YFunctionColour{255, 0, 0};
    // Confidence visualisation only.
    RgbColour DataColour{0, 0, 0};
    RgbColour NotDetectedColour{255, 0, 0};
    RgbColour ProportionalColour{128, 0, 128};
    RgbColour ConstantColour{0, 0, 255};
    RgbColour BothColour{0, 128, 0};
    RgbColour DetectedColour{0, 128, 0};

    int FontSize(FontRole role) const { return FontSizes[static_cast<int>(role)]; }
    friend bool operator==(const GraphOptions&, const GraphOptions&) = default;
};

// The instance of the variance-function and sampling-lines dialogs, with its defaults.
GraphOptions DesignGraphOptions();

// The instance of the confidence visualisation dialog, with its defaults.
GraphOptions VisualisationGraphOptions();

// Fills the font block (names, styles, sizes, tick lengths) from FontSizeOption; an option
// outside 0..3 is taken as "Default".
void ApplyFontPreset(GraphOptions& options);

// Items of the font-size choice, in FontSizeOption order.
const std::array<std::string, FontSizeOptionCount>& FontSizeOptionNames();

} // namespace kvor
