#pragma once

#include "../VisPlotRun.h"

#include "graphs/GraphOptions.h"
#include "graphs/ui/GraphOutputContext.h"
#include "platform/ScriptedMessageService.h"
#include "platform/ScriptedOutputServices.h"
#include "visualise/VisAxes.h"
#include "visualise/ui/KVORVisualisePlot.h"

#include <QApplication>
#include <QImage>
#include <QRect>

#include <memory>
#include <vector>

namespace vistest {

// A scaled run of the classes with sampling lines, a plot dialog over scripted services and
// colours that tell every kind of mark apart.
struct PlotFixture {
    PlotFixture(const std::vector<kvor::BiasType>& bias, const std::vector<bool>& detected)
        : Run(ClassRun(bias, detected)), Output(Messages, "/tmp/") {
        Output.SetClipboard(&Clipboard);
        Output.SetFiles(&Files);
        Output.SetPrinter(&Printer);
        Output.ShowPrintProgress = [](QWidget*, int&) {};
        kvor::GraphOptions& o = Output.VisOptions;
        o.GraphColour = {0, 0, 128};
        o.DataColour = {0, 200, 200};
        o.TitleColour = {10, 20, 200}; // apart from the class colours
        ScaleRun();
        Setup.Regression = kvor::RegressionType::OLS;
        Setup.EntriesNow = [this] { return Entries; };
    }

    void ScaleRun() {
        kvor::ScaleVisAxes(*Run, Entries.IdealSlope, Entries.IdealIntercept);
        kvor::RunResults& lines = Run->Lines;
        lines.Count = Run->SetsDone;
        for (int k = 0; k < lines.Count; ++k) {
            const auto i = static_cast<std::size_t>(k);
            lines.Slopes[i] = Run->FitSlope[i];
            lines.Intercepts[i] = Run->FitIntercept[i];
            lines.XMins[i] = 10;
            lines.XMaxs[i] = 100;
        }
        lines.PlotXMin = 10;
        lines.PlotXMax = 100;
        lines.PlotYMin = 10;
        lines.PlotYMax = 160;
        kvor::ScaleLinesAxes(*Run);
    }

    std::unique_ptr<kvor::TKVORVisualisePlot> Open(int selector) {
        auto dialog = std::make_unique<kvor::TKVORVisualisePlot>(Output, *Run, Setup, nullptr);
        dialog->SetGraphParams(selector);
        dialog->show();
        QApplication::processEvents();
        return dialog;
    }

    std::unique_ptr<kvor::VisRun> Run;
    kvor::PowerEntries Entries{1.0, 2.0, 1.1, 2.5, false};
    kvor::ScriptedMessageService Messages;
    kvor::ScriptedClipboardService Clipboard;
    kvor::ScriptedFileDialogService Files;
    kvor::ScriptedPrinterService Printer;
    kvor::GraphOutputContext Output;
    kvor::VisPlotSetup Setup;
};

inline int CountColour(const QImage& image, QColor colour, QRect area = {}) {
    const QRect r = area.isNull() ? image.rect() : area.intersected(image.rect());
    const QRgb want = colour.rgb();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += image.pixel(x, y) == want ? 1 : 0;
        }
    }
    return n;
}

inline QColor Q(kvor::RgbColour c) {
    return QColor(c.R, c.G, c.B);
}

} // namespace vistest
