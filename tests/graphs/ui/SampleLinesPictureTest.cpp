#include "SampleLinesRun.h"

#include "../EmfReader.h"
#include "graphs/ui/SampleLinesPicture.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(WriteSampleLinesPicture, EveryFormatOfTheCommandLine) {
    SampleLinesRun run;
    const QTemporaryDir dir;
    for (const char* format : {"bmp", "png", "emf", "pdf"}) {
        for (const bool parameterSpace : {false, true}) {
            const QString name = dir.filePath(QString("x%1.%2").arg(parameterSpace).arg(format));
            const std::string error = kvor::WriteSampleLinesPicture(
                *run.Results, run.Design, parameterSpace, false, name.toStdString(), format);
            ASSERT_TRUE(error.empty()) << error;
            QFile file(name);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            const std::string kind = format;
            if (kind == "emf") {
                const emfread::File emf = emfread::Read({bytes.begin(), bytes.end()});
                EXPECT_TRUE(emf.Parsed) << emf.Error;
            } else if (kind == "pdf") {
                EXPECT_TRUE(bytes.startsWith("%PDF"));
            } else {
                EXPECT_EQ(QImage::fromData(bytes).size(), QSize(1920, 1440)) << format;
            }
        }
    }
    EXPECT_FALSE(kvor::WriteSampleLinesPicture(*run.Results, run.Design, false, false,
                                               dir.filePath("gone/x.png").toStdString(), "png")
                     .empty());
}

} // namespace
