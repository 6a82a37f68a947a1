#include "graphs/PrintLayout.h"

#include "graphs/GraphLayout.h"

namespace kvor {

bool PrinterResolutionUsable(int logPixelsX, int logPixelsY) {
    return logPixelsX > 50 && logPixelsY > 50;
}

GraphPrintLayout LayOutGraphPrint(const PrinterMetrics& printer) {
    GraphPrintLayout out;
    const int lx = printer.LogPixelsX;
    const int ly = printer.LogPixelsY > 0 ? printer.LogPixelsY : 1;
    out.FontScale = lx * 100 / ly;
    out.GraphWidth = lx * 100 * 7 / 100;
    out.Unit = GraphUnit(out.GraphWidth);
    out.PrintableWidth = printer.PhysicalWidth - 2 * printer.PhysicalOffsetX;
    out.PrintableHeight = printer.PhysicalHeight - 2 * printer.PhysicalOffsetY;
    out.WindowHeight = static_cast<int>(static_cast<long long>(out.PrintableHeight) * lx / ly);
    out.Left = out.GraphWidth < out.PrintableWidth ? (out.PrintableWidth - out.GraphWidth) / 2 : 0;
    return out;
}

int PrintFontLogicalPixels(int s, int b, int d) {
    // rnd(b x s / 100) points at LY = LX x 100 / b pixels per inch.
    if (b <= 0) {
        return 0;
    }
    return Rnd(static_cast<long double>(PrintFontPointSize(s, b)) * 100 * d / (72.0L * b));
}

FittedSize PrintScaleToFit(int w, int h, int W, int H) {
    if (w <= 0 || h <= 0) {
        return {};
    }
    const int width = Rnd(static_cast<long double>(w) * H / h);
    if (width < W) {
        return {width, H};
    }
    return {W, Rnd(static_cast<long double>(h) * W / w)};
}

} // namespace kvor
