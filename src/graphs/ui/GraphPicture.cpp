#include "graphs/ui/GraphPicture.h"

#include "graphs/ui/Graph.h"
#include "graphs/ui/GraphExport.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kvor {

namespace {

constexpr int W = 1920;
constexpr int H = 1440;
constexpr int Margin = 3;
constexpr int PixelsPerInch = 96;

QByteArray EncodedImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, format) ? bytes : QByteArray();
}

QByteArray PdfPage(TGraph& graph) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(PixelsPerInch);
        pdf.setPageSize(QPageSize(QSizeF(W * 72.0 / PixelsPerInch, H * 72.0 / PixelsPerInch),
                                  QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        QPainter painter(&pdf);
        if (!painter.isActive()) {
            return {};
        }
        DrawFitted(graph, painter, W, H, Margin);
    }
    return bytes;
}

} // namespace

std::string WriteGraphPicture(TGraph& graph, const std::string& file, const std::string& format) {
    QByteArray bytes;
    if (format == "emf") {
        bytes = RenderMetafile(graph, W, H, Margin);
    } else if (format == "pdf") {
        bytes = PdfPage(graph);
    } else {
        bytes = EncodedImage(RenderBitmap(graph, W, H, Margin), format == "png" ? "PNG" : "BMP");
    }
    if (bytes.isEmpty() || !WriteFileAtomically(QString::fromStdString(file), bytes)) {
        return "cannot write the picture to '" + file + "'";
    }
    return {};
}

} // namespace kvor
