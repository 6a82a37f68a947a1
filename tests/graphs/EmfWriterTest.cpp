#include "graphs/EmfWriter.h"

#include "EmfReader.h"

#include <gtest/gtest.h>

namespace {

using kvor::EmfWriter;

TEST(EmfWriter, FileIsAHeaderRecordsAndAnEofWhoseCountsMatch) {
    EmfWriter writer(1920, 1440, 96);
    writer.SelectPen(EmfWriter::Colour(255, 0, 0), 2, false);
    writer.PolyPolyline({{{10, 20}, {300, 400}}, {{50, 60}, {70, 80}}});
    writer.SelectBrush(EmfWriter::Colour(0, 0, 255), false);
    writer.Ellipse({100, 100, 110, 110});
    writer.SelectFont({-20, 900, true, false, false, false, u"Arial"});
    writer.TextOut({500, 600}, u"True Slope", {9, 9, 9, 9, 5, 9, 9, 9, 9, 9}, {500, 580, 590, 605});
    writer.ClipToRect({0, 0, 100, 100});
    writer.ResetClip();
    const emfread::File file = emfread::Read(writer.Finish());

    ASSERT_TRUE(file.Parsed) << file.Error;
    EXPECT_EQ(file.Signature, 0x464D4520u);
    EXPECT_EQ(file.Bytes, file.Data.size());
    EXPECT_EQ(file.RecordCount, file.Records.size());
    EXPECT_EQ(file.Records.back().Type, emfread::Eof);
    EXPECT_EQ(file.Records.back().Size, 20u);
    EXPECT_GE(file.Handles, 4); // slot 0 and the three objects
    ASSERT_EQ(file.Texts.size(), 1u);
    EXPECT_EQ(file.Texts[0], u"True Slope");
    // Bounds cover what was drawn, in pixels; the frame is the whole picture in 0.01 mm.
    EXPECT_EQ(file.Bounds[0], 10);
    EXPECT_EQ(file.Bounds[1], 20);
    EXPECT_EQ(file.Bounds[2], 590);
    EXPECT_EQ(file.Bounds[3], 605);
    EXPECT_EQ(file.Frame[2], 1920 * 2540 / 96 - 1);
    EXPECT_EQ(file.Frame[3], 1440 * 2540 / 96 - 1);
    EXPECT_EQ(file.Device[0], 1920);
    EXPECT_EQ(file.Millimeters[0], 508);
}

TEST(EmfWriter, BoundsStayInsideThePictureWhateverIsDrawnOutside) {
    EmfWriter writer(200, 100, 96);
    writer.SelectPen(0, 1, false);
    writer.PolyPolyline({{{-50, -50}, {500, 500}}});
    const emfread::File file = emfread::Read(writer.Finish());
    ASSERT_TRUE(file.Parsed) << file.Error;
    EXPECT_EQ(file.Bounds[0], 0);
    EXPECT_EQ(file.Bounds[1], 0);
    EXPECT_EQ(file.Bounds[2], 199);
    EXPECT_EQ(file.Bounds[3], 99);
}

TEST(EmfWriter, AnEmptyPictureIsStillAWholeFile) {
    const emfread::File file = emfread::Read(EmfWriter(10, 10, 96).Finish());
    ASSERT_TRUE(file.Parsed) << file.Error;
    EXPECT_EQ(file.Bytes, file.Data.size());
    EXPECT_EQ(file.Records.back().Type, emfread::Eof);
    EXPECT_GT(file.Bounds[0], file.Bounds[2]); // the empty rectangle
}

} // namespace
