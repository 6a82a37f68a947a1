#include "engine/ImportedData.h"
#include "graphs/GraphOptions.h"
#include "graphs/VFButtonChecks.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/VarianceFunctionsGraph.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct EdgeDesign {
    const char* Name;
    kvor::RegressionType Regression;
    double XMin;
    double XMax;
    kvor::VarianceFunction Y;
    kvor::VarianceFunction X;
};

// Pixels of a curve colour outside the plot rectangle of every graph type and axis choice.
TEST(TVarianceFunctionsGraph, CoefficientsAtTheirEdgesNeverDrawOutsideThePlot) {
    using kvor::RegressionType;
    const kvor::VarianceFunction unit{2, 0, 1, 0, 0, 1};
    const EdgeDesign designs[] = {
        {"para -1, B2 inside the range", RegressionType::WLS, 10, 100, {2, -1, 1, 50, 0, 1}, unit},
        {"para +1", RegressionType::WLS, 10, 100, {2, 1, 1, 50, 0, 1}, unit},
        {"form 3 cut at its zero", RegressionType::WLS, 10, 100, {3, 0, -400, 1, 0, 2}, unit},
        {"tiny B1", RegressionType::WLS, 10, 100, {2, 0, 1e-300, 1e-300, 0, 1}, unit},
        {"steep J", RegressionType::WLS, 0, 10000000, {2, 0, 1e-6, 1e-12, 0, 3}, unit},
        {"from zero",
         RegressionType::Deming,
         0,
         1000,
         {3, 0, 0.01, 0.05, 0, 2},
         {2, 0, 1e-9, 1, 0, 2}},
        {"near the variance limit",
         RegressionType::Deming,
         1,
         1000000,
         {2, 0, 1, 1, 0, 2},
         {4, 0, 1, 0.001, 1e-6, 2}},
    };
    for (const EdgeDesign& e : designs) {
        SCOPED_TRACE(e.Name);
        kvor::StudyDesign design;
        design.Regression = e.Regression;
        design.XMin = e.XMin;
        design.XMax = e.XMax;
        design.YVariance = e.Y;
        design.XVariance = e.X;
        kvor::GraphOptions options = kvor::DesignGraphOptions();
        kvor::ApplyFontPreset(options);
        kvor::VFButtonOutcome outcome =
            kvor::CheckVFButton(design, kvor::StudyTab::Accuracy, {}, options, '.');
        ASSERT_TRUE(outcome.DialogOpens);
        kvor::VFCurveSet& set = outcome.Set;
        kvor::TVarianceFunctionsGraph graph(set, options);
        for (const kvor::VFGraphType type :
             {kvor::VFGraphType::Variance, kvor::VFGraphType::SD, kvor::VFGraphType::CV}) {
            for (const bool yLog : {false, true}) {
                if (yLog && set.VarianceLogAxis.Intervals == 0) {
                    continue;
                }
                set.GraphType = type;
                options.YLog = yLog;
                QImage image(960, 720, QImage::Format_RGB32);
                QPainter painter(&image);
                kvor::DrawFitted(graph, painter, image.width(), image.height(), 3);
                painter.end();
                const QRect plot = graph.PlotRect();
                ASSERT_TRUE(plot.isValid());
                int outside = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        const QRgb p = image.pixel(x, y) & 0xffffff;
                        const bool curve = p == (qRgb(255, 0, 0) & 0xffffff);
                        outside += curve && !plot.contains(x, y) ? 1 : 0;
                    }
                }
                EXPECT_EQ(outside, 0) << static_cast<int>(type) << " log " << yLog;
            }
        }
    }
}

} // namespace
