#include "graphs/ui/GraphExport.h"

#include "graphs/GraphLayout.h"
#include "graphs/GraphOptions.h"
#include "graphs/ui/EmfPaintDevice.h"
#include "graphs/ui/Graph.h"
#include "graphs/ui/GraphPainter.h"
#include "platform/ClipboardService.h"
#include "platform/PrinterService.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>

namespace kvor {

namespace {

constexpr int ScreenPixelsPerInch = 96;
constexpr int DotsPerMeter96 = 3780;
constexpr int ScreenMargin = 3;

} // namespace

// The last measurement (of the shrunk graph, when it was shrunk) is the layout drawn.
void DrawFitted(TGraph& graph, QPainter& painter, int W, int H, int marginPercent) {
    const QPaintDevice& device = *painter.device();
    const PictureFit fit = FitGraphIntoPicture(W, H, marginPercent, [&](int Wg) {
        return graph.GetGraphHeight(device, GraphUnit(Wg), Wg, 0);
    });
    graph.DrawGraph(painter, W, fit.Top, fit.Left, 0, fit.Unit, fit.GraphHeight, fit.GraphWidth, H);
}

namespace {

QImage DrawnBitmap(TGraph& graph, int W, int H, int marginPercent) {
    QImage image(std::max(W, 1), std::max(H, 1), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.setDotsPerMeterX(DotsPerMeter96);
    image.setDotsPerMeterY(DotsPerMeter96);
    {
        QPainter painter(&image);
        DrawFitted(graph, painter, image.width(), image.height(), marginPercent);
    }
    return image;
}

} // namespace

QImage RenderScreenPicture(TGraph& graph, int W, int H) {
    graph.Mode = OutputMode{true, false};
    QImage image = DrawnBitmap(graph, W, H, ScreenMargin);
    graph.Mode = OutputMode{};
    return image;
}

QImage RenderBitmap(TGraph& graph, int W, int H, int marginPercent) {
    const ScreenGeometryGuard guard(graph, OutputMode{});
    return DrawnBitmap(graph, W, H, marginPercent);
}

QByteArray RenderMetafile(TGraph& graph, int W, int H, int marginPercent) {
    const ScreenGeometryGuard guard(graph, OutputMode{});
    EmfPaintDevice device(W, H, ScreenPixelsPerInch);
    {
        QPainter painter(&device);
        if (!painter.isActive()) {
            return {};
        }
        DrawFitted(graph, painter, W, H, marginPercent);
    }
    return device.Bytes();
}

bool WriteFileAtomically(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool CustomBitmap(TGraph& graph, int W, int H, const QString& fileName, int marginPercent,
                  ClipboardService& clipboard) {
    const QImage image = RenderBitmap(graph, W, H, marginPercent);
    if (image.isNull()) {
        return false;
    }
    if (fileName.isEmpty()) {
        return clipboard.SetBitmap(image);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) {
        return false;
    }
    return WriteFileAtomically(fileName, bytes);
}

bool CustomEMF(TGraph& graph, int W, int H, const QString& fileName, int marginPercent,
               ClipboardService& clipboard) {
    const QByteArray bytes = RenderMetafile(graph, W, H, marginPercent);
    if (bytes.isEmpty()) {
        return false;
    }
    return fileName.isEmpty() ? clipboard.SetMetafile(bytes) : WriteFileAtomically(fileName, bytes);
}

GraphPrintLayout PrintGraph(TGraph& graph, PrinterService& printer, const QString& jobTitle,
                            const GraphOptions& options, int& printState) {
    const ScreenGeometryGuard guard(graph, OutputMode{false, true});
    const PrinterMetrics metrics = printer.Metrics();
    const GraphPrintLayout layout = LayOutGraphPrint(metrics);
    std::unique_ptr<PrintJob> job = printer.BeginDoc(jobTitle);
    if (!job) {
        printState = -2;
        return layout;
    }
    QPainter& painter = job->Painter();
    if (!painter.isActive() || layout.PrintableWidth <= 0 || layout.PrintableHeight <= 0) {
        printState = -2;
    } else {
        painter.setViewport(0, 0, layout.PrintableWidth, layout.PrintableHeight);
        painter.setWindow(0, 0, layout.PrintableWidth, layout.WindowHeight);
        const QPaintDevice& device = *painter.device();
        const int G =
            graph.GetGraphHeight(device, layout.Unit, layout.GraphWidth, layout.FontScale);
        // Three title-line heights at the preset size, not scaled by the font scale.
        const int titleCell = Rnd(static_cast<long double>(options.FontSize(FontRole::Title)) *
                                  metrics.LogPixelsY / 72);
        const QtTextMeasurer title(
            &device, RoleFonts{CellHeightFont(options, FontRole::Title, titleCell, &device)});
        const int top = 3 * title.TextHeight("A", FontRole::Title);
        graph.DrawGraph(painter, layout.PrintableWidth, top, layout.Left, layout.FontScale,
                        layout.Unit, G, layout.GraphWidth, layout.PrintableHeight);
    }
    if (printState < 1) {
        if (!job->Abort()) {
            printState = -2;
        }
    } else if (!job->End()) {
        printState = -2;
    }
    return layout;
}

} // namespace kvor
