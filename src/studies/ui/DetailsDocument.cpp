#include "studies/ui/DetailsDocument.h"

#include "graphs/PrintLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace kvor {

namespace {

constexpr int IndentLetters = 65;

} // namespace

QFont ReportQFont(ReportFont role, int points) {
    QFont font(role == ReportFont::ArialBold ? QStringLiteral("Arial")
                                             : QStringLiteral("Courier New"),
               points);
    font.setBold(role != ReportFont::Courier);
    return font;
}

int ReportTextWidth() {
    return QFontMetrics(ReportQFont(ReportFont::CourierBold))
        .horizontalAdvance(QString(IndentLetters, QLatin1Char('A')));
}

int ReportLineHeight() {
    return QFontMetrics(ReportQFont(ReportFont::ArialBold)).height();
}

double ReportCharWidth() {
    const QFontMetricsF metrics(ReportQFont(ReportFont::CourierBold));
    return metrics.horizontalAdvance(QString(IndentLetters, QLatin1Char('A'))) / IndentLetters;
}

void FillReportDocument(QTextDocument& document, const std::vector<ReportLine>& lines) {
    document.clear();
    document.setDefaultFont(ReportQFont(ReportFont::Courier));
    QTextBlockFormat paragraph;
    paragraph.setTextIndent(ReportCharWidth());
    paragraph.setLeftMargin(0);
    QTextCursor cursor(&document);
    bool first = true;
    for (const ReportLine& line : lines) {
        QTextCharFormat chars;
        chars.setFont(
            ReportQFont(line.Font, line.SpacerPoints > 0 ? line.SpacerPoints : ReportFontPoints));
        if (first) {
            cursor.setBlockFormat(paragraph);
            cursor.setBlockCharFormat(chars);
            first = false;
        } else {
            cursor.insertBlock(paragraph, chars);
        }
        cursor.insertText(QString::fromStdString(line.Text), chars);
    }
}

void DrawReportPage(const QTextDocument& document, QPainter& painter,
                    const PrinterMetrics& metrics) {
    const std::unique_ptr<QTextDocument> page(document.clone());
    page->documentLayout()->setPaintDevice(painter.device());
    const double width = metrics.PhysicalWidth - 2.0 * metrics.PhysicalOffsetX;
    const double height = metrics.PhysicalHeight - 2.0 * metrics.PhysicalOffsetY;
    page->setPageSize(QSizeF(width, height));
    page->drawContents(&painter, QRectF(0, 0, width, height));
}

} // namespace kvor
