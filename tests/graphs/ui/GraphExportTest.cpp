#include "SampleLinesRun.h"

#include "../EmfReader.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphLayout.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphPainter.h"
#include "platform/ScriptedOutputServices.h"

#include <QDir>
#include <QFile>
#include <QLineF>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

constexpr int W = 1920;
constexpr int H = 1440;

const QColor Background(255, 255, 208);
const QColor Lines(255, 0, 0);

// The layout the export lays out, repeated on a picture of the same kind.
kvor::GraphGeometry ExportGeometry(kvor::TGraph& graph) {
    QImage scratch(W, H, QImage::Format_RGB32);
    scratch.setDotsPerMeterX(3780);
    scratch.setDotsPerMeterY(3780);
    const kvor::PictureFit fit = kvor::FitGraphIntoPicture(
        W, H, 3, [&](int wg) { return graph.GetGraphHeight(scratch, kvor::GraphUnit(wg), wg, 0); });
    kvor::GraphGeometry geometry = graph.Geometry;
    geometry.Left = fit.Left;
    geometry.Top = fit.Top;
    return geometry;
}

QImage ExportedBitmap(kvor::TGraph& graph, const QTemporaryDir& dir) {
    kvor::ScriptedClipboardService clipboard;
    const QString name = dir.filePath("lines.bmp");
    EXPECT_TRUE(kvor::CustomBitmap(graph, W, H, name, 3, clipboard));
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.peek(2) == "BM");
    return QImage(name);
}

TEST(CustomBitmap, RealRunPictureReadBackFromItsFile) {
    SampleLinesRun run;
    run.Options.ShowTrue = false;
    auto graph = run.Graph();
    const QTemporaryDir dir;
    const QImage image = ExportedBitmap(*graph, dir);
    ASSERT_EQ(image.size(), QSize(W, H));
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(W - 1, 0), QPoint(0, H - 1), QPoint(W - 1, H - 1)}) {
        EXPECT_TRUE(IsColour(image, corner.x(), corner.y(), Background)) << corner.x();
    }
    const kvor::GraphGeometry geometry = ExportGeometry(*graph);
    const kvor::PlotFrame frame(geometry);
    const ColourCount red = CountColour(image, Lines, frame.PlotRect());
    EXPECT_GT(red.Inside, 5000);
    EXPECT_EQ(red.Outside, 0); // clipped to the plot: never in the margins
    // The axes are there, in the graph colour, where the layout puts them.
    EXPECT_TRUE(IsDark(image, frame.PlotLeft(), frame.PlotTop() + frame.PlotHeight() / 2));
    EXPECT_TRUE(IsDark(image, frame.PlotLeft() + frame.PlotWidth() / 2, frame.AxisY()));
}

TEST(CustomBitmap, DashedTrueLineAlternatesAlongTheLine) {
    SampleLinesRun run;
    run.Options.LinesColour = {255, 255, 255};
    auto graph = run.Graph();
    const QTemporaryDir dir;
    const QImage image = ExportedBitmap(*graph, dir);
    const kvor::GraphGeometry geometry = ExportGeometry(*graph);
    const kvor::PlotFrame frame(geometry);
    const auto segment = kvor::ClipTrueLine(
        run.Design.TrueSlope, run.Design.TrueIntercept, geometry.Layout.X.EdgeValue,
        kvor::AxisEnd(geometry.XAxis), geometry.Layout.Y.EdgeValue, kvor::AxisEnd(geometry.YAxis));
    ASSERT_TRUE(segment);
    const QLineF line(frame.Point(segment->X0, segment->Y0), frame.Point(segment->X1, segment->Y1));
    const int length = kvor::Rnd(line.length());
    int runs = 0;
    bool inDash = false;
    int darkPixels = 0;
    // Away from the axes at both ends.
    for (int i = length / 20; i < length - length / 20; ++i) {
        const QPointF p = line.pointAt(static_cast<double>(i) / length);
        const bool dark = IsDark(image, kvor::Rnd(p.x()), kvor::Rnd(p.y()));
        darkPixels += dark ? 1 : 0;
        if (dark && !inDash) {
            ++runs;
        }
        inDash = dark;
    }
    const int S = kvor::DashLayout(frame.PlotWidth()).Length;
    const std::size_t pieces = kvor::DiagonalDashPieces(length, geometry.Layout.AxisPen, S).size();
    const int expectedDashes = static_cast<int>((pieces + 1) / 2) * 9 / 10;
    EXPECT_NEAR(runs, expectedDashes, 3);
    EXPECT_GT(darkPixels, length * 3 / 10);
    EXPECT_LT(darkPixels, length * 7 / 10);
}

// Passes the layout calls on and records them.
class LayoutSpy final : public kvor::TGraph {
public:
    explicit LayoutSpy(kvor::TGraph* inner, int fixedHeight = 0)
        : m_inner(inner), m_fixed(fixedHeight) {}
    int GetGraphHeight(const QPaintDevice& device, int d, int Wg, int b) override {
        Calls.emplace_back(d, Wg);
        return m_inner != nullptr ? m_inner->GetGraphHeight(device, d, Wg, b) : m_fixed;
    }
    void DrawGraph(QPainter& painter, int W_, int top, int left, int b, int d, int G, int Wg,
                   int H_) override {
        Drawn = {d, Wg, G, left, top};
        if (m_inner != nullptr) {
            m_inner->DrawGraph(painter, W_, top, left, b, d, G, Wg, H_);
        }
    }
    std::vector<std::pair<int, int>> Calls;
    std::tuple<int, int, int, int, int> Drawn{};

private:
    kvor::TGraph* m_inner;
    int m_fixed;
};

TEST(CustomBitmap, ExportLayoutOfTheStatedExample) {
    // A graph 1500 high at 1804 is shrunk once to 1627 with d = 232 and used as it comes.
    LayoutSpy tall(nullptr, 1500);
    kvor::RenderBitmap(tall, W, H, 3);
    ASSERT_EQ(tall.Calls.size(), 2u);
    EXPECT_EQ(tall.Calls[0], std::make_pair(258, 1804));
    EXPECT_EQ(tall.Calls[1], std::make_pair(232, 1627));
    EXPECT_EQ(tall.Drawn, std::make_tuple(232, 1627, 1500, (W - 1627) / 2, (H - 1500) / 2));

    // The sampling-lines graph at 100 % aspect is too high at 1804 as well.
    SampleLinesRun run;
    auto graph = run.Graph();
    LayoutSpy lines(graph.get());
    kvor::RenderBitmap(lines, W, H, 3);
    ASSERT_EQ(lines.Calls.size(), 2u);
    EXPECT_EQ(lines.Calls[0], std::make_pair(258, 1804));
    const int shrunk = lines.Calls[1].second;
    EXPECT_LT(shrunk, 1804);
    EXPECT_EQ(lines.Calls[1].first, kvor::Rnd(shrunk / 7.0L));
    EXPECT_EQ(std::get<1>(lines.Drawn), shrunk);
}

TEST(CustomBitmap, ExportKeepsTheScreenGeometryAndTheOptions) {
    SampleLinesRun run;
    auto graph = run.Graph();
    QImage screen(800, 600, QImage::Format_RGB32);
    graph->GetGraphHeight(screen, 100, 700, 0);
    graph->Geometry.Left = 17;
    graph->Geometry.Top = 23;
    const kvor::GraphGeometry before = graph->Geometry;
    const kvor::GraphOptions options = run.Options;
    kvor::ScriptedClipboardService clipboard;
    ASSERT_TRUE(kvor::CustomBitmap(*graph, W, H, {}, 3, clipboard));
    ASSERT_TRUE(kvor::CustomEMF(*graph, W, H, {}, 3, clipboard));
    EXPECT_EQ(graph->Geometry.Left, 17);
    EXPECT_EQ(graph->Geometry.Top, 23);
    EXPECT_EQ(graph->Geometry.Layout.GraphHeight, before.Layout.GraphHeight);
    EXPECT_EQ(graph->Geometry.Layout.X.Length, before.Layout.X.Length);
    EXPECT_FALSE(graph->Mode.OnScreen || graph->Mode.OnPaper);
    EXPECT_TRUE(run.Options == options);
}

TEST(CustomBitmap, ClipboardGetsTheWholePicture) {
    SampleLinesRun run;
    auto graph = run.Graph();
    kvor::ScriptedClipboardService clipboard;
    ASSERT_TRUE(kvor::CustomBitmap(*graph, W, H, {}, 3, clipboard));
    EXPECT_EQ(clipboard.Bitmap.size(), QSize(W, H));
    clipboard.Fails = true;
    EXPECT_FALSE(kvor::CustomBitmap(*graph, W, H, {}, 3, clipboard));
}

std::vector<std::uint8_t> Bytes(const QByteArray& data) {
    return {data.begin(), data.end()};
}

TEST(CustomEMF, FileOfTheDialogsGraphParsesBack) {
    SampleLinesRun run;
    auto graph = run.Graph();
    const QTemporaryDir dir;
    const QString name = dir.filePath("lines.emf");
    kvor::ScriptedClipboardService clipboard;
    ASSERT_TRUE(kvor::CustomEMF(*graph, W, H, name, 3, clipboard));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const emfread::File emf = emfread::Read(Bytes(file.readAll()));
    ASSERT_TRUE(emf.Parsed) << emf.Error;
    EXPECT_EQ(emf.Bytes, emf.Data.size());
    EXPECT_EQ(emf.RecordCount, emf.Records.size());
    EXPECT_EQ(emf.Records.back().Type, emfread::Eof);
    EXPECT_EQ(emf.Frame[2], W * 2540 / 96 - 1);
    EXPECT_EQ(emf.Frame[3], H * 2540 / 96 - 1);
    // Bounds in pixels, inside the frame once turned into 0.01 mm.
    EXPECT_GE(emf.Bounds[0], 0);
    EXPECT_GE(emf.Bounds[1], 0);
    EXPECT_LE(emf.Bounds[2] * 2540 / 96, emf.Frame[2]);
    EXPECT_LE(emf.Bounds[3] * 2540 / 96, emf.Frame[3]);
    EXPECT_GT(emf.Count(7), 0); // the sampling lines as polylines
    const std::u16string title1 = QString::fromStdString(graph->Title1).toStdU16String();
    const std::u16string title2 =
        QString::fromStdString(
            kvor::SampleLinesTitle2(run.Design.TrueSlope, run.Design.TrueIntercept, '.'))
            .toStdU16String();
    const auto has = [&](const std::u16string& text) {
        return std::find(emf.Texts.begin(), emf.Texts.end(), text) != emf.Texts.end();
    };
    EXPECT_TRUE(has(title1));
    EXPECT_TRUE(has(title2));
    EXPECT_TRUE(has(u"X"));
    EXPECT_TRUE(has(u"Y"));
}

TEST(CustomEMF, ClipboardGetsTheMetafile) {
    SampleLinesRun run;
    auto graph = run.Graph();
    kvor::ScriptedClipboardService clipboard;
    ASSERT_TRUE(kvor::CustomEMF(*graph, W, H, {}, 3, clipboard));
    const emfread::File emf = emfread::Read(Bytes(clipboard.Metafile));
    EXPECT_TRUE(emf.Parsed) << emf.Error;
}

TEST(WriteFileAtomically, FailuresLeaveNoTemporaryFileAndTheOldFileWhole) {
    const QTemporaryDir dir;
    const QString kept = dir.filePath("kept.bmp");
    ASSERT_TRUE(kvor::WriteFileAtomically(kept, "old"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
    EXPECT_FALSE(kvor::WriteFileAtomically(dir.filePath("folder.bmp"), "new"));
    EXPECT_FALSE(kvor::WriteFileAtomically(dir.filePath("gone/x.bmp"), "new"));
    EXPECT_FALSE(kvor::WriteFileAtomically(kept, QByteArray())); // nothing to write
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"folder.bmp", "kept.bmp"}));
}

} // namespace
