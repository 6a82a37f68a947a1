#include "app/WindowOutput.h"

#include "app/MainContext.h"
#include "app/StudyTab.h"
#include "graphs/PrintLayout.h"
#include "graphs/ui/OutputTexts.h"
#include "graphs/ui/PrintActions.h"
#include "platform/ClipboardService.h"
#include "platform/MessageService.h"
#include "platform/PrinterService.h"

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>

namespace kvor {

namespace {

constexpr int AccuracyPrintState = 1;
constexpr int PowerPrintState = 2;
const QString AccuracyJobTitle = "Printing KVOR Accuracy dialog";
const QString PowerJobTitle = "Printing KVOR Power dialog";
const QString CopyFailed = "The window picture could not be put on the clipboard.";

QWidget& ClientArea(QWidget& window) {
    auto* main = qobject_cast<QMainWindow*>(&window);
    QWidget* central = main != nullptr ? main->centralWidget() : nullptr;
    return central != nullptr ? *central : window;
}

// Prints the image fitted to the printable area from its top-left corner; false on failure.
bool PrintWindowImage(PrinterService& printer, const QString& title, const QImage& image) {
    std::unique_ptr<PrintJob> job = printer.BeginDoc(title);
    if (!job) {
        return false;
    }
    const PrinterMetrics page = printer.Metrics();
    const FittedSize size = PrintScaleToFit(image.width(), image.height(),
                                            page.PhysicalWidth - 2 * page.PhysicalOffsetX,
                                            page.PhysicalHeight - 2 * page.PhysicalOffsetY);
    QPainter& painter = job->Painter();
    if (!painter.isActive() || size.Width <= 0 || size.Height <= 0) {
        job->Abort();
        return false;
    }
    painter.drawImage(QRect(0, 0, size.Width, size.Height), image);
    return job->End();
}

} // namespace

QImage WindowImage(QWidget& window) {
    QWidget& client = ClientArea(window);
    QImage image(client.size(), QImage::Format_RGB32);
    image.fill(client.palette().color(QPalette::Window));
    client.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void ACopyButtonClick(TStudyTab& tab, MainContext& context) {
    const QImage image = WindowImage(*tab.window());
    if (image.isNull() || !context.Output().Clipboard().SetBitmap(image)) {
        MessageService& messages = context.Messages();
        messages.MessageBeep();
        messages.ShowMessage(MessageKind::Error, CopyFailed, MessageButtons::Ok);
    }
}

void APrintSetupButtonClick(TStudyTab& tab, MainContext& context) {
    PrinterSetupAction(context.Output(), tab.window());
}

void APrintButtonClick(TStudyTab& tab, MainContext& context) {
    GraphOutputContext& output = context.Output();
    QWidget* window = tab.window();
    const bool accuracy = tab.Letter() == QLatin1Char('A');
    if (!StartPrintAction(output, window, accuracy ? AccuracyPrintState : PowerPrintState)) {
        return;
    }
    QApplication::processEvents();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    window->setEnabled(false);
    const QImage image = WindowImage(*window);
    if (!PrintWindowImage(output.Printer(), accuracy ? AccuracyJobTitle : PowerJobTitle, image)) {
        output.PrintState = -2;
    }
    QApplication::processEvents();
    window->setEnabled(true);
    QApplication::restoreOverrideCursor();
    FinishPrintAction(output, OutputTexts::DialogPrintError);
    if (auto* print = tab.findChild<QPushButton*>(QString(tab.Letter()) + "PrintButton")) {
        print->setFocus();
    }
}

} // namespace kvor
