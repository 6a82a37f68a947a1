#pragma once

#include "graphs/PrintLayout.h"

#include <QString>

#include <memory>

class QPainter;
class QWidget;

namespace kvor {

// One print job: a page painted through Painter(), then sent (End) or dropped (Abort).
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual QPainter& Painter() = 0;
    virtual bool Abort() = 0;
    virtual bool End() = 0;
};

// The application's printer object: a current printer, the system's default, its device
// capabilities, the set-up dialog and jobs. Every query reports failure instead of throwing.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    // Resolution of the current printer in pixels per inch; false when it cannot be read.
    virtual bool Resolution(int& logPixelsX, int& logPixelsY) = 0;
    // The current printer's information can be read (it exists and answers).
    virtual bool CurrentUsable() = 0;
    // Makes the system's default printer current; false when there is none.
    virtual bool SelectDefault() = 0;
    // Reloads the current printer's settings.
    virtual void Reload() = 0;
    virtual PrinterMetrics Metrics() = 0;
    // The printer-setup dialog; false when it could not be shown.
    virtual bool ShowSetupDialog(QWidget* parent) = 0;
    // Starts a job of the title; null when the printer refuses it.
    virtual std::unique_ptr<PrintJob> BeginDoc(const QString& title) = 0;
};

} // namespace kvor
