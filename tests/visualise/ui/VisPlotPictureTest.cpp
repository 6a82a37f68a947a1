#include "VisPlotFixture.h"

#include "engine/StudyDesign.h"
#include "visualise/ui/VisPlotPicture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using kvor::BiasType;
using kvor::VisGraphType;
using vistest::CountColour;
using vistest::Q;

QImage Written(const kvor::VisRun& run, const kvor::VisPictureRequest& request) {
    const kvor::StudyDesign design;
    const std::string error = kvor::WriteVisPlotPicture(run, design, request);
    EXPECT_TRUE(error.empty()) << error;
    return QImage(QString::fromStdString(request.File));
}

TEST(WriteVisPlotPicture, StartSettingsAndThePartitionView) {
    vistest::PlotFixture f({BiasType::None, BiasType::Both, BiasType::None}, {true, false, true});
    const kvor::GraphOptions o = kvor::VisualisationGraphOptions();
    const QTemporaryDir dir;
    kvor::VisPictureRequest request;
    request.Format = "png";
    request.File = dir.filePath("all.png").toStdString();
    const QImage all = Written(*f.Run, request);
    ASSERT_EQ(all.size(), QSize(1920, 1440));
    EXPECT_GT(CountColour(all, Q(o.LinesColour)), 0);
    EXPECT_EQ(CountColour(all, Q(o.BothColour)), 0);

    request.Partitioned = true;
    request.Classes = {3};
    request.File = dir.filePath("both.png").toStdString();
    const QImage both = Written(*f.Run, request);
    EXPECT_EQ(CountColour(both, Q(o.LinesColour)), 0);
    EXPECT_GT(CountColour(both, Q(o.BothColour)), 0);
    EXPECT_EQ(CountColour(both, Q(o.NotDetectedColour)), 0);

    request.Type = VisGraphType::Regions;
    request.Classes = {0};
    request.File = dir.filePath("nd.bmp").toStdString();
    request.Format = "bmp";
    const QImage nd = Written(*f.Run, request);
    EXPECT_GT(CountColour(nd, Q(o.NotDetectedColour)), 0);
    EXPECT_EQ(CountColour(nd, Q(o.DetectedColour)), 0);

    for (const char* format : {"emf", "pdf"}) {
        request.Format = format;
        request.File = dir.filePath(QString("x.") + format).toStdString();
        EXPECT_TRUE(kvor::WriteVisPlotPicture(*f.Run, kvor::StudyDesign{}, request).empty());
        QFile file(QString::fromStdString(request.File));
        EXPECT_GT(file.size(), 1000) << format;
    }
}

TEST(WriteVisPlotPicture, RefusesWhatTheDialogWouldNotOffer) {
    vistest::PlotFixture f({BiasType::None, BiasType::None}, {});
    const QTemporaryDir dir;
    kvor::VisPictureRequest request;
    request.Format = "png";
    request.File = dir.filePath("x.png").toStdString();
    request.Type = VisGraphType::Regions;
    EXPECT_EQ(kvor::WriteVisPlotPicture(*f.Run, kvor::StudyDesign{}, request),
              "the run computed no confidence regions");
    request.Type = VisGraphType::Intervals;
    request.Partitioned = true;
    EXPECT_EQ(kvor::WriteVisPlotPicture(*f.Run, kvor::StudyDesign{}, request),
              "the run's sets are all of one class and cannot be partitioned");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(request.File)));
    request.Partitioned = false;
    request.File = dir.filePath("gone/x.png").toStdString();
    EXPECT_EQ(kvor::WriteVisPlotPicture(*f.Run, kvor::StudyDesign{}, request),
              "cannot write the picture to '" + request.File + "'");
}

} // namespace
