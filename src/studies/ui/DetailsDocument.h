#pragma once

#include "studies/DetailsReport.h"

#include <QFont>

#include <vector>

class QPainter;
class QTextDocument;

namespace kvor {

struct PrinterMetrics;

// The font of a report role at `points` (the report's size unless a spacer asks for less).
QFont ReportQFont(ReportFont role, int points = ReportFontPoints);

// The width of 65 letters "A" in Courier New 11 bold: the window's width; and of one of them,
// the first-line indent.
int ReportTextWidth();
double ReportCharWidth();
// The height of "A" in Arial 11 bold: one line of the window's height.
int ReportLineHeight();

// Replaces the document's text by the report: one paragraph per line in its font and size, each
// with a first-line indent of one character and no left indent.
void FillReportDocument(QTextDocument& document, const std::vector<ReportLine>& lines);

// Lays a copy of the document out for the painter's device over the printable width of the page
// and draws it from the top-left corner of the printable area.
void DrawReportPage(const QTextDocument& document, QPainter& painter,
                    const PrinterMetrics& metrics);

} // namespace kvor
