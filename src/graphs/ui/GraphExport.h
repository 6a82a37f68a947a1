#pragma once

#include "graphs/PrintLayout.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class QPainter;

namespace kvor {

class ClipboardService;
class PrinterService;
class TGraph;
struct GraphOptions;

// Fits the graph into the painter's W x H device with margin m percent and draws it.
void DrawFitted(TGraph& graph, QPainter& painter, int W, int H, int marginPercent);

// The screen picture: the graph fitted at 94 % into W x H with the on-screen flag set; the
// layout becomes the screen geometry.
QImage RenderScreenPicture(TGraph& graph, int W, int H);

// The graph fitted into a W x H bitmap with margin m percent, both output flags clear; the
// screen geometry is kept.
QImage RenderBitmap(TGraph& graph, int W, int H, int marginPercent);

// The same picture recorded as an enhanced metafile.
QByteArray RenderMetafile(TGraph& graph, int W, int H, int marginPercent);

// Writes the bytes through a temporary file in the same folder that replaces `fileName` only
// when complete.
bool WriteFileAtomically(const QString& fileName, const QByteArray& bytes);

// To the file, or to the clipboard when the name is empty; false on any failure.
bool CustomBitmap(TGraph& graph, int W, int H, const QString& fileName, int marginPercent,
                  ClipboardService& clipboard);
bool CustomEMF(TGraph& graph, int W, int H, const QString& fileName, int marginPercent,
               ClipboardService& clipboard);

// Prints the graph 7 inches wide on one page of a job of the title; a failure sets printState
// to -2, and the job is sent only while printState is at least 1. Returns the layout used.
GraphPrintLayout PrintGraph(TGraph& graph, PrinterService& printer, const QString& jobTitle,
                            const GraphOptions& options, int& printState);

} // namespace kvor
