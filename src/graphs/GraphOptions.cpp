#include "graphs/GraphOptions.h"

namespace kvor {

namespace {

struct FontPreset {
    std::array<int, FontRoleCount> sizes;
    int majorTickLength;
    int minorTickLength;
};

constexpr std::array<FontPreset, FontSizeOptionCount> FontPresets{{
    {{17, 17, 16, 16}, 7, 5}, // Huge
    {{16, 16, 14, 14}, 7, 5}, // Large
    {{15, 14, 12, 12}, 6, 4}, // Default
    {{14, 12, 10, 10}, 5, 3}, // Small
}};

constexpr int DefaultFontSizeOption = 2;

} // namespace

GraphOptions DesignGraphOptions() {
    GraphOptions options;
    ApplyFontPreset(options);
    return options;
}

GraphOptions VisualisationGraphOptions() {
    GraphOptions options;
    options.LinesColour = {255, 0, 255};
    ApplyFontPreset(options);
    return options;
}

void ApplyFontPreset(GraphOptions& options) {
    if (options.FontSizeOption < 0 || options.FontSizeOption >= FontSizeOptionCount) {
        options.FontSizeOption = DefaultFontSizeOption;
    }
    const FontPreset& preset = FontPresets[static_cast<std::size_t>(options.FontSizeOption)];
    options.FontNames.fill("Arial");
    options.FontStyles.fill(0);
    options.FontSizes = preset.sizes;
    options.MajorTickLength = preset.majorTickLength;
    options.MinorTickLength = preset.minorTickLength;
}

const std::array<std::string, FontSizeOptionCount>& FontSizeOptionNames() {
    static const std::array<std::string, FontSizeOptionCount> names{"Huge", "Large", "Default",
                                                                    "Small"};
    return names;
}

} // namespace kvor
