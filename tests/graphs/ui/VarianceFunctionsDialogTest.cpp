#include "../EmfReader.h"

#include "engine/ImportedData.h"
#include "graphs/VFButtonChecks.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/KVORVarianceFunctionsForm.h"
#include "graphs/ui/VarianceFunctionsPicture.h"
#include "platform/ScriptedMessageService.h"
#include "platform/ScriptedOutputServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using kvor::TKVORVarianceFunctions;

// (0.5 + 0.05 x)^2 over 1 .. 500: more than two decades of mean and three of variance, so the
// plot opens with both axes logarithmic.
constexpr kvor::VarianceFunction Steep{3, 0, 0.5, 0.05, 0, 2};

kvor::StudyDesign WideDesign(kvor::RegressionType regression) {
    kvor::StudyDesign design;
    design.Regression = regression;
    design.XMin = 1;
    design.XMax = 500;
    design.TrueSlope = 1;
    design.TrueIntercept = 0;
    design.YVariance = Steep;
    design.XVariance = Steep;
    return design;
}

struct VFDialogFixture {
    explicit VFDialogFixture(const kvor::StudyDesign& design) : Output(Messages, "/tmp/") {
        Output.SetClipboard(&Clipboard);
        const kvor::VFButtonOutcome outcome =
            kvor::CheckVFButton(design, kvor::StudyTab::Accuracy, {}, Output.DesignOptions, '.');
        EXPECT_TRUE(outcome.DialogOpens);
        Set = outcome.Set;
        Dialog = std::make_unique<TKVORVarianceFunctions>(Output, Set, '.', nullptr);
        Dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Dialog.get()));
        QApplication::processEvents();
    }
    template <typename T = QWidget> T* Find(const char* name) const {
        T* found = Dialog->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    kvor::ScriptedMessageService Messages;
    kvor::ScriptedClipboardService Clipboard;
    kvor::GraphOutputContext Output;
    kvor::VFCurveSet Set;
    std::unique_ptr<TKVORVarianceFunctions> Dialog;
};

TEST(TKVORVarianceFunctions, SetUpEnablesByTheFunctionsPlotted) {
    struct Case {
        kvor::RegressionType Regression;
        const char* Caption;
        bool Both;
    };
    const Case cases[] = {
        {kvor::RegressionType::WLS, " Y-Variance Function", false},
        {kvor::RegressionType::Deming, " Y and X-Variance Functions", true},
    };
    for (const Case& c : cases) {
        VFDialogFixture f(WideDesign(c.Regression));
        SCOPED_TRACE(c.Caption);
        EXPECT_EQ(f.Dialog->windowTitle(), c.Caption);
        EXPECT_EQ(f.Dialog->Graph().Title, std::string(c.Caption).substr(1));
        EXPECT_TRUE(f.Find<QRadioButton>("VarRadioButton")->isChecked());
        EXPECT_TRUE(f.Find<QRadioButton>("CVRadioButton")->isEnabled());
        EXPECT_FALSE(f.Find<QComboBox>("CVmaxComboBox")->isEnabled());
        EXPECT_FALSE(f.Find<QLabel>("CVmaxLabel")->isEnabled());
        EXPECT_EQ(f.Find<QComboBox>("CVmaxComboBox")->currentText(),
                  QString::number(f.Set.DefaultCvMax));
        EXPECT_EQ(f.Find<QCheckBox>("YOnTopCheckBox")->isEnabled(), c.Both);
        EXPECT_EQ(f.Find<QCheckBox>("YOnTopCheckBox")->isChecked(), c.Both);
        EXPECT_EQ(f.Find<QCheckBox>("LabelsCheckBox")->isEnabled(), c.Both);
        // 1 .. 500 is a ratio above 100: Log Mean, and the zero origin forced.
        EXPECT_TRUE(f.Find<QCheckBox>("XLogCheckBox")->isChecked());
        EXPECT_TRUE(f.Find<QCheckBox>("ZeroOriginCheckBox")->isChecked());
        EXPECT_FALSE(f.Find<QCheckBox>("ZeroOriginCheckBox")->isEnabled());
        EXPECT_TRUE(f.Find<QCheckBox>("YLogCheckBox")->isChecked());
        EXPECT_TRUE(f.Find<QCheckBox>("YLogCheckBox")->isEnabled());
        EXPECT_EQ(f.Find("VFID1")->isVisible(), c.Both);
        EXPECT_EQ(f.Find("VFID2")->isVisible(), c.Both);
        // Becoming active is reported (the main window re-checks the system settings then).
        const QSignalSpy activated(f.Dialog.get(), &TKVORVarianceFunctions::Activated);
        QApplication::setActiveWindow(nullptr);
        QApplication::setActiveWindow(f.Dialog.get());
        EXPECT_GE(activated.count(), 1);

        // CV (%) takes the CV maximum and gives up the Y log option.
        QTest::mouseClick(f.Find<QRadioButton>("CVRadioButton"), Qt::LeftButton, {}, QPoint(6, 6));
        EXPECT_TRUE(f.Find<QComboBox>("CVmaxComboBox")->isEnabled());
        EXPECT_FALSE(f.Find<QCheckBox>("YLogCheckBox")->isEnabled());
        EXPECT_EQ(f.Set.GraphType, kvor::VFGraphType::CV);
    }
}

TEST(TKVORVarianceFunctions, DraggingALabelStoresItInDataUnitsOnlyInsideThePlot) {
    VFDialogFixture f(WideDesign(kvor::RegressionType::Deming));
    QWidget* handle = f.Find("VFID1");
    ASSERT_TRUE(handle->isVisible());
    kvor::TVarianceFunctionsGraph& graph = f.Dialog->Graph();
    const QRect plot = graph.PlotRect();
    const kvor::VFCurve& y = f.Set.Curve(kvor::VFYFunction);
    const double autoX = y.LabelX[0];
    const double autoY = y.LabelY[0];
    ASSERT_GE(autoY, 0);

    // Into the middle of the plot: the lower-left corner lands there, in data units.
    const QRect from = handle->geometry();
    const QPoint grab = from.center() - from.topLeft();
    const QPoint target = plot.center();
    const QPoint shift = target - from.center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grab);
    EXPECT_EQ(graph.DraggedCurve, kvor::VFYFunction);
    QTest::mouseMove(handle, grab + shift);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grab + shift);
    EXPECT_EQ(graph.DraggedCurve, 0);
    const kvor::VFPlotGeometry g = graph.PlotGeometry();
    const QRect moved = from.translated(shift);
    EXPECT_NEAR(y.LabelX[0], kvor::AxisDataValue(g.X, moved.left() - plot.left()),
                1e-9 * y.LabelX[0]);
    EXPECT_NEAR(y.LabelY[0], kvor::AxisDataValue(g.Y, plot.bottom() + 1 - (moved.bottom() + 1)),
                1e-9 * y.LabelY[0]);
    EXPECT_NE(y.LabelX[0], autoX);
    // The label control follows the stored position after the redraw.
    EXPECT_EQ(handle->geometry().topLeft(), moved.topLeft());

    // Beyond the plot's left edge: dropped nowhere, the label stays.
    const double keptX = y.LabelX[0];
    const double keptY = y.LabelY[0];
    const QRect now = handle->geometry();
    const QPoint out(plot.left() - now.width() - 5, now.top());
    const QPoint outShift = out - now.topLeft();
    QTest::mousePress(handle, Qt::LeftButton, {}, grab);
    QTest::mouseMove(handle, grab + outShift);
    EXPECT_EQ(QApplication::overrideCursor() != nullptr ? QApplication::overrideCursor()->shape()
                                                        : Qt::ArrowCursor,
              Qt::ForbiddenCursor);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grab + outShift);
    EXPECT_EQ(y.LabelX[0], keptX);
    EXPECT_EQ(y.LabelY[0], keptY);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Log Mean changes the axis: every stored position returns to automatic placement.
    QTest::mouseClick(f.Find<QCheckBox>("XLogCheckBox"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_GE(y.LabelY[0], 0); // placed again on the redraw
    EXPECT_NE(y.LabelX[0], keptX);
}

// The picture the bitmap export writes, and the plot rectangle it was laid out with.
struct Exported {
    QImage Image;
    QRect Plot;
};

Exported ExportBitmap(kvor::TVarianceFunctionsGraph& graph, const QString& file,
                      kvor::ClipboardService& clipboard) {
    constexpr int W = 1920;
    constexpr int H = 1440;
    EXPECT_TRUE(kvor::CustomBitmap(graph, W, H, file, 3, clipboard));
    // The same layout again, for where the plot lies in the picture.
    QImage layout(W, H, QImage::Format_RGB32);
    const kvor::ScreenGeometryGuard keep(graph, {});
    QPainter painter(&layout);
    kvor::DrawFitted(graph, painter, W, H, 3);
    return {QImage(file), graph.PlotRect()};
}

// Pixels of exactly the colour inside and outside the plot rectangle.
std::pair<int, int> ColourInsideAndOutside(const Exported& e, kvor::RgbColour c) {
    const QRgb wanted = qRgb(c.R, c.G, c.B) & 0xffffff;
    std::pair<int, int> counts;
    for (int y = 0; y < e.Image.height(); ++y) {
        for (int x = 0; x < e.Image.width(); ++x) {
            if ((e.Image.pixel(x, y) & 0xffffff) == wanted) {
                ++(e.Plot.contains(x, y) ? counts.first : counts.second);
            }
        }
    }
    return counts;
}

TEST(TKVORVarianceFunctions, LogAxisExportHasTheYColourInsideThePlotOnly) {
    VFDialogFixture f(WideDesign(kvor::RegressionType::WLS));
    ASSERT_TRUE(f.Output.DesignOptions.XLog);
    ASSERT_TRUE(f.Output.DesignOptions.YLog);
    const kvor::RgbColour red = f.Output.DesignOptions.YFunctionColour;
    const QTemporaryDir dir;
    const Exported variance = ExportBitmap(f.Dialog->Graph(), dir.filePath("v.bmp"), f.Clipboard);
    ASSERT_FALSE(variance.Image.isNull());
    const auto [inside, outside] = ColourInsideAndOutside(variance, red);
    EXPECT_GT(inside, 1000);
    EXPECT_EQ(outside, 0);

    // A CV maximum below the curve's start: it leaves through the top and is cut there.
    QTest::mouseClick(f.Find<QRadioButton>("CVRadioButton"), Qt::LeftButton, {}, QPoint(6, 6));
    auto* cvMax = f.Find<QComboBox>("CVmaxComboBox");
    cvMax->setCurrentIndex(cvMax->findText("40"));
    ASSERT_EQ(f.Set.CvAxis.Intervals, 4);
    const Exported cv = ExportBitmap(f.Dialog->Graph(), dir.filePath("cv.bmp"), f.Clipboard);
    const auto [cvInside, cvOutside] = ColourInsideAndOutside(cv, red);
    EXPECT_GT(cvInside, 1000);
    EXPECT_EQ(cvOutside, 0);
}

TEST(TKVORVarianceFunctions, MetafileExportParses) {
    VFDialogFixture f(WideDesign(kvor::RegressionType::Deming));
    const QByteArray bytes = kvor::RenderMetafile(f.Dialog->Graph(), 1920, 1440, 3);
    const emfread::File emf = emfread::Read(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    ASSERT_TRUE(emf.Parsed) << emf.Error;
    EXPECT_EQ(emf.Records.front().Type, emfread::Header);
    EXPECT_EQ(emf.Records.back().Type, emfread::Eof);
    // Tick labels, axis titles, the title and both curve labels are text records.
    const auto has = [&](const std::u16string& text) {
        return std::find(emf.Texts.begin(), emf.Texts.end(), text) != emf.Texts.end();
    };
    EXPECT_TRUE(has(u"Mean"));
    EXPECT_TRUE(has(u"Variance"));
    EXPECT_TRUE(has(u"Y"));
    EXPECT_TRUE(has(u"X"));
    EXPECT_TRUE(has(u"Y and X-Variance Functions"));
}

// The command line's picture is the dialog's export just after it opened.
TEST(WriteVarianceFunctionsPicture, IsTheExportOfTheDialogAsItOpens) {
    VFDialogFixture f(WideDesign(kvor::RegressionType::Deming));
    const kvor::VFCurveSet opened = f.Set;
    const kvor::GraphOptions options = f.Output.DesignOptions;
    const QTemporaryDir dir;
    const QString fromDialog = dir.filePath("dialog.bmp");
    ASSERT_TRUE(kvor::CustomBitmap(f.Dialog->Graph(), 1920, 1440, fromDialog, 3, f.Clipboard));
    const QString fromCli = dir.filePath("cli.bmp");
    const std::string error = kvor::WriteVarianceFunctionsPicture(
        opened, options, kvor::VFGraphType::Variance, fromCli.toStdString(), "bmp");
    ASSERT_TRUE(error.empty()) << error;
    const QImage cli(fromCli);
    ASSERT_EQ(cli.size(), QSize(1920, 1440));
    EXPECT_EQ(cli, QImage(fromDialog));

    // Without a function below 100% CV there is no CV (%) picture.
    kvor::VFCurveSet noCv = opened;
    for (kvor::VFCurve& curve : noCv.Curves) {
        curve.CvPossible = false;
    }
    EXPECT_FALSE(kvor::WriteVarianceFunctionsPicture(noCv, options, kvor::VFGraphType::CV,
                                                     dir.filePath("cv.png").toStdString(), "png")
                     .empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("cv.png")));
}

} // namespace
