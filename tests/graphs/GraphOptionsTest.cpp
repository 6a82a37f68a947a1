#include "graphs/GraphOptions.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(ApplyFontPreset, EveryPresetRow) {
    struct Row {
        int option;
        std::array<int, 4> sizes;
        int major;
        int minor;
    };
    const Row rows[] = {
        {0, {17, 17, 16, 16}, 7, 5},
        {1, {16, 16, 14, 14}, 7, 5},
        {2, {15, 14, 12, 12}, 6, 4},
        {3, {14, 12, 10, 10}, 5, 3},
    };
    for (const Row& r : rows) {
        kvor::GraphOptions options;
        options.FontNames[1] = "Courier New";
        options.FontStyles[3] = kvor::FontBold | kvor::FontItalic;
        options.FontSizeOption = r.option;
        kvor::ApplyFontPreset(options);
        EXPECT_EQ(options.FontSizes, r.sizes) << r.option;
        EXPECT_EQ(options.MajorTickLength, r.major) << r.option;
        EXPECT_EQ(options.MinorTickLength, r.minor) << r.option;
        EXPECT_EQ(options.FontNames,
                  (std::array<std::string, 4>{"Arial", "Arial", "Arial", "Arial"}));
        EXPECT_EQ(options.FontStyles, (std::array<unsigned, 4>{0, 0, 0, 0}));
    }
    kvor::GraphOptions outOfRange;
    outOfRange.FontSizeOption = 7;
    kvor::ApplyFontPreset(outOfRange);
    EXPECT_EQ(outOfRange.FontSizeOption, 2);
    EXPECT_EQ(outOfRange.FontSizes, (std::array<int, 4>{15, 14, 12, 12}));
    EXPECT_EQ(kvor::FontSizeOptionNames()[0], "Huge");
    EXPECT_EQ(kvor::FontSizeOptionNames()[3], "Small");
}

TEST(GraphOptions, DefaultsOfBothInstances) {
    const kvor::GraphOptions design = kvor::DesignGraphOptions();
    EXPECT_EQ(design.FontSizeOption, 2);
    EXPECT_EQ(design.FontSizes, (std::array<int, 4>{15, 14, 12, 12}));
    EXPECT_EQ(design.VFAspect, 70);
    EXPECT_EQ(design.LinesAspect, 100);
    EXPECT_EQ(design.ParamSpaceAspect, 100);
    EXPECT_EQ(design.LastSetsCount, 0);
    EXPECT_TRUE(design.YOnTop);
    EXPECT_FALSE(design.BlackWhite);
    EXPECT_TRUE(design.ShowTrue);
    EXPECT_TRUE(design.MinorTickMarks);
    EXPECT_TRUE(design.ShowTitle);
    EXPECT_TRUE(design.VFLabels);
    EXPECT_FALSE(design.TrueBeneath);
    EXPECT_EQ(design.BackgroundColour, (kvor::RgbColour{255, 255, 208}));
    EXPECT_EQ(design.GraphColour, (kvor::RgbColour{0, 0, 0}));
    EXPECT_EQ(design.TitleColour, (kvor::RgbColour{0, 0, 255}));
    EXPECT_EQ(design.LinesColour, (kvor::RgbColour{255, 0, 0}));
    EXPECT_EQ(design.XFunctionColour, (kvor::RgbColour{0, 0, 255}));
    EXPECT_EQ(design.YFunctionColour, (kvor::RgbColour{255, 0, 0}));

    const kvor::GraphOptions vis = kvor::VisualisationGraphOptions();
    EXPECT_EQ(vis.FontSizeOption, 2);
    EXPECT_EQ(vis.VisAspect, 100);
    EXPECT_EQ(vis.PointSize, 4);
    EXPECT_EQ(vis.BackgroundColour, (kvor::RgbColour{255, 255, 208}));
    EXPECT_EQ(vis.DataColour, (kvor::RgbColour{0, 0, 0}));
    EXPECT_EQ(vis.LinesColour, (kvor::RgbColour{255, 0, 255}));
    EXPECT_EQ(vis.NotDetectedColour, (kvor::RgbColour{255, 0, 0}));
    EXPECT_EQ(vis.ProportionalColour, (kvor::RgbColour{128, 0, 128}));
    EXPECT_EQ(vis.ConstantColour, (kvor::RgbColour{0, 0, 255}));
    EXPECT_EQ(vis.BothColour, (kvor::RgbColour{0, 128, 0}));
    EXPECT_EQ(vis.DetectedColour, (kvor::RgbColour{0, 128, 0}));
}

} // namespace
