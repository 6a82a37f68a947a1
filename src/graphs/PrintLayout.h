#pragma once

namespace kvor {

// What a printer's device context reports, in device pixels and pixels per inch.
struct PrinterMetrics {
    int PhysicalWidth = 0;
    int PhysicalOffsetX = 0;
    int PhysicalHeight = 0;
    int PhysicalOffsetY = 0;
    int LogPixelsX = 0;
    int LogPixelsY = 0;
};

// A printer counts only with more than 50 pixels per inch in both directions.
bool PrinterResolutionUsable(int logPixelsX, int logPixelsY);

// A graph printed 7 inches wide: one logical unit is a horizontal printer pixel in both
// directions (window extent PrintableWidth x WindowHeight over a viewport of the printable area).
struct GraphPrintLayout {
    int FontScale = 0; // b = LX x 100 div LY
    int GraphWidth = 0;
    int Unit = 0;
    int PrintableWidth = 0;
    int PrintableHeight = 0;
    int WindowHeight = 0;
    int Left = 0;
};
GraphPrintLayout LayOutGraphPrint(const PrinterMetrics& printer);

// Cell height in logical units of a font of preset size s requested at rnd(b x s / 100) points
// on paper, where a logical unit is a horizontal printer pixel and d = LX.
int PrintFontLogicalPixels(int s, int b, int d);

// Print-to-fit of a w x h image on a W x H printable page, proportions kept.
struct FittedSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const FittedSize&, const FittedSize&) = default;
};
FittedSize PrintScaleToFit(int w, int h, int W, int H);

} // namespace kvor
