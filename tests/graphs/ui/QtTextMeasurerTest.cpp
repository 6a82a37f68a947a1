#include "graphs/ui/QtTextMeasurer.h"
#include "graphs/AxisScale.h"
#include "graphs/GraphLayout.h"
#include "graphs/GraphOptions.h"

#include <QFontInfo>
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using kvor::FontRole;

QImage ExportPicture() {
    QImage image(1920, 1440, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 pixels per inch
    image.setDotsPerMeterY(3780);
    return image;
}

TEST(QtTextMeasurer, CellHeightsFollowTheScreenFontRule) {
    const QImage image = ExportPicture();
    const kvor::GraphOptions options = kvor::DesignGraphOptions();
    const kvor::QtTextMeasurer measurer(&image, kvor::ScreenGraphFonts(options, 258, 96, &image));
    for (const FontRole role :
         {FontRole::Title, FontRole::AxisTitles, FontRole::TickLabels, FontRole::CurveLabels}) {
        const int expected = kvor::ScreenFontCellPixels(options.FontSize(role), 258, 96);
        EXPECT_LE(std::abs(measurer.TextHeight("A", role) - expected), 1)
            << static_cast<int>(role) << ": " << measurer.TextHeight("A", role) << " vs "
            << expected;
    }
    // "Arial" must come out as a face with Arial's metrics.
    const QString family = QFontInfo(kvor::ScreenGraphFonts(options, 258, 96, &image)[0]).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
    // rnd(15 x 258 / 80) = 48 points of cell height: 64 pixels at 96 per inch.
    EXPECT_NEAR(measurer.TextHeight("A", FontRole::Title), 64, 1);
}

TEST(QtTextMeasurer, WidthsAddUpAndGrowWithTheFont) {
    const QImage image = ExportPicture();
    const kvor::GraphOptions options = kvor::DesignGraphOptions();
    const kvor::QtTextMeasurer large(&image, kvor::ScreenGraphFonts(options, 258, 96, &image));
    const kvor::QtTextMeasurer small(&image, kvor::ScreenGraphFonts(options, 129, 96, &image));
    EXPECT_EQ(large.TextWidth("", FontRole::TickLabels), 0);
    // Digits share one advance, so a label's width is its length times that of "5".
    const int five = large.TextWidth("5", FontRole::TickLabels);
    EXPECT_GT(five, 0);
    EXPECT_NEAR(large.TextWidth("1325", FontRole::TickLabels), 4 * five, 2);
    EXPECT_GT(large.TextWidth("Intercept", FontRole::AxisTitles),
              small.TextWidth("Intercept", FontRole::AxisTitles));
}

TEST(QtTextMeasurer, DrivesTheGraphLayout) {
    const QImage image = ExportPicture();
    const kvor::GraphOptions options = kvor::DesignGraphOptions();
    const kvor::AxisScale x = kvor::ScalePositiveAxis(95, 130);
    const kvor::AxisScale y = kvor::ScaleSignedAxis(-3.2, 5.1);
    kvor::GraphLayoutInput in;
    in.X = kvor::LinearAxisExtent(x);
    in.Y = kvor::LinearAxisExtent(y);
    in.YTitleText = "Intercept";
    in.YStartLabel = kvor::FormatAxisLabelGeneral(kvor::AxisStart(y), y);
    in.YEndLabel = kvor::FormatAxisLabelGeneral(kvor::AxisEnd(y), y);
    in.XEndLabel = kvor::FormatAxisLabelGeneral(kvor::AxisEnd(x), x);
    in.MajorTickLength = options.MajorTickLength;
    const kvor::PictureFit fit = kvor::FitGraphIntoPicture(1920, 1440, 3, [&](int width) {
        in.GraphWidth = width;
        const kvor::QtTextMeasurer measurer(
            &image, kvor::ScreenGraphFonts(options, kvor::GraphUnit(width), 96, &image));
        return kvor::LayOutGraph(in, measurer).GraphHeight;
    });
    // A square plot with title and labels is taller than wide: the graph must shrink once.
    EXPECT_TRUE(fit.Shrunk);
    EXPECT_LT(fit.GraphWidth, 1804);
    EXPECT_GT(fit.GraphHeight, fit.GraphWidth);
    EXPECT_LE(fit.GraphHeight, 1440);
}

} // namespace
