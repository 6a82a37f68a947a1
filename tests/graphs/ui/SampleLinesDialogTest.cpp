#include "SampleLinesRun.h"

#include "graphs/AxisScale.h"
#include "graphs/ui/GraphOutputContext.h"
#include "graphs/ui/GraphPainter.h"
#include "graphs/ui/KVORSampleLinesForm.h"
#include "platform/ScriptedMessageService.h"
#include "platform/ScriptedOutputServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

using kvor::TKVORSampleLines;

struct DialogFixture {
    explicit DialogFixture(SampleLinesRun& run) : Run(run), Output(Messages, "/tmp/") {
        Output.SetClipboard(&Clipboard);
        Output.DesignOptions = run.Options;
        Setup.Regression = kvor::RegressionType::OLS;
        Setup.Samples = run.Design.SetsPerRun;
        Setup.SetSize = run.Design.N;
        Setup.TrueValuesNow = [this] { return Truth; };
        Truth = {run.Design.TrueSlope, run.Design.TrueIntercept};
    }
    std::unique_ptr<TKVORSampleLines> Open(const kvor::RunResults& results) {
        auto dialog = std::make_unique<TKVORSampleLines>(Output, results, Setup, nullptr);
        dialog->show();
        QApplication::processEvents();
        return dialog;
    }

    SampleLinesRun& Run;
    kvor::ScriptedMessageService Messages;
    kvor::ScriptedClipboardService Clipboard;
    kvor::GraphOutputContext Output;
    kvor::SampleLinesSetup Setup;
    kvor::TrueValues Truth;
};

template <typename T> T* Find(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void ClickIndicator(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

TEST(TKVORSampleLines, StartStatesAndTheTypeSwitch) {
    SampleLinesRun run;
    DialogFixture f(run);
    auto dialog = f.Open(*run.Results);
    EXPECT_EQ(dialog->windowTitle(), "  OLS Regression Accuracy");
    EXPECT_TRUE(Find<QRadioButton>(*dialog, "LinesRadioButton")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(*dialog, "PSRadioButton")->isEnabled());
    EXPECT_TRUE(Find<QRadioButton>(*dialog, "BMPRadioButton")->isChecked());
    auto* pointSize = Find<QSpinBox>(*dialog, "DataSizeSpinEdit");
    auto* zero = Find<QCheckBox>(*dialog, "ZeroOriginCheckBox");
    auto* extend = Find<QCheckBox>(*dialog, "ExtendLinesCheckBox");
    auto* aspect = Find<QComboBox>(*dialog, "AspectComboBox");
    auto* colourLabel = Find<QLabel>(*dialog, "LinesColorLabel");
    EXPECT_FALSE(pointSize->isEnabled());
    EXPECT_TRUE(zero->isEnabled());
    EXPECT_TRUE(extend->isEnabled());
    EXPECT_EQ(colourLabel->text(), "L&ines:");
    EXPECT_FALSE(dialog->Picture().isNull());

    f.Output.DesignOptions.ParamSpaceAspect = 80;
    QTest::mouseClick(Find<QRadioButton>(*dialog, "PSRadioButton"), Qt::LeftButton, {},
                      QPoint(6, 6));
    EXPECT_EQ(dialog->Graph().Type, kvor::SampleLinesType::ParameterSpace);
    EXPECT_TRUE(pointSize->isEnabled());
    EXPECT_FALSE(zero->isEnabled());
    EXPECT_FALSE(extend->isEnabled());
    EXPECT_EQ(colourLabel->text(), "Po&ints:");
    EXPECT_EQ(aspect->currentText(), "80");
    EXPECT_EQ(f.Output.DesignOptions.LinesAspect, 100); // switching is no aspect change
}

TEST(TKVORSampleLines, ForcedZeroOriginIsSetAndCannotBeCleared) {
    SampleLinesRun run;
    auto results = std::make_unique<kvor::RunResults>(*run.Results);
    results->PlotXMin = -1;
    results->PlotYMin = -1;
    kvor::SetLinesOptionsAfterRun(run.Options, true);
    kvor::PrepareSampleLinesAxes(*results, true);
    DialogFixture f(run);
    auto dialog = f.Open(*results);
    auto* zero = Find<QCheckBox>(*dialog, "ZeroOriginCheckBox");
    EXPECT_TRUE(zero->isChecked());
    EXPECT_FALSE(zero->isEnabled());
    EXPECT_EQ(kvor::AxisStart(dialog->Graph().Geometry.XAxis), 0);
    EXPECT_EQ(kvor::AxisStart(dialog->Graph().Geometry.YAxis), 0);
}

TEST(TKVORSampleLines, PointSizeFollowsTheSamplesEntry) {
    SampleLinesRun run;
    DialogFixture f(run);
    auto results = std::make_unique<kvor::RunResults>(*run.Results);
    results->Count = 5000;
    f.Setup.Samples = 5000;
    {
        auto dialog = f.Open(*results);
        auto* size = Find<QSpinBox>(*dialog, "DataSizeSpinEdit");
        EXPECT_EQ(size->value(), 3);
        QTest::mouseClick(Find<QRadioButton>(*dialog, "PSRadioButton"), Qt::LeftButton, {},
                          QPoint(6, 6));
        size->setValue(5);
        EXPECT_EQ(f.Output.DesignOptions.PointSize, 5);
    }
    EXPECT_EQ(Find<QSpinBox>(*f.Open(*results), "DataSizeSpinEdit")->value(), 5);
    results->Count = 8000;
    f.Setup.Samples = 8000;
    EXPECT_EQ(Find<QSpinBox>(*f.Open(*results), "DataSizeSpinEdit")->value(), 2);
}

TEST(TKVORSampleLines, EveryOtherReEnablingPutsTheTrueLineBeneath) {
    SampleLinesRun run;
    DialogFixture f(run);
    auto dialog = f.Open(*run.Results);
    auto* show = Find<QCheckBox>(*dialog, "TrueCheckBox");
    const bool expected[] = {false, true, true, false};
    for (int i = 0; i < 4; ++i) {
        ClickIndicator(show);
        EXPECT_EQ(f.Output.DesignOptions.ShowTrue, i % 2 == 1) << i;
        EXPECT_EQ(f.Output.DesignOptions.TrueBeneath, expected[i]) << i;
    }
}

int RedInColumns(const QImage& image, const kvor::PlotFrame& frame, int from, int to) {
    int red = 0;
    for (int y = frame.PlotTop(); y < frame.AxisY() - 2; ++y) {
        for (int x = from; x < to; ++x) {
            red += IsColour(image, x, y, QColor(255, 0, 0)) ? 1 : 0;
        }
    }
    return red;
}

TEST(TKVORSampleLines, ExtendLinesReachesIntoTheGapBeforeTheFirstTick) {
    SampleLinesRun run;
    ASSERT_FALSE(run.Options.LinesZeroOrigin);
    DialogFixture f(run);
    auto dialog = f.Open(*run.Results);
    const auto gapRed = [&] {
        const kvor::PlotFrame frame(dialog->Graph().Geometry);
        EXPECT_GT(dialog->Graph().Geometry.Layout.X.Gap, 4);
        return RedInColumns(dialog->Picture(), frame, frame.PlotLeft() + 2,
                            frame.PlotLeft() + dialog->Graph().Geometry.Layout.X.Gap - 2);
    };
    EXPECT_EQ(gapRed(), 0);
    ClickIndicator(Find<QCheckBox>(*dialog, "ExtendLinesCheckBox"));
    EXPECT_TRUE(f.Output.DesignOptions.ExtendLines);
    EXPECT_GT(gapRed(), 0);
}

TEST(TKVORSampleLines, TrueInterceptOffTheAxisDrawsOnlyTheVerticalReferenceLine) {
    SampleLinesRun run;
    DialogFixture f(run);
    auto dialog = f.Open(*run.Results);
    f.Truth.Intercept = 1e6;
    QTest::mouseClick(Find<QRadioButton>(*dialog, "PSRadioButton"), Qt::LeftButton, {},
                      QPoint(6, 6));
    const kvor::GraphGeometry& geometry = dialog->Graph().Geometry;
    const kvor::PlotFrame frame(geometry);
    const int column = frame.XPixel(f.Truth.Slope);
    const QImage& picture = dialog->Picture();
    int dark = 0;
    int stray = 0;
    for (int y = frame.PlotTop(); y < frame.AxisY() - 2; ++y) {
        for (int x = frame.PlotLeft() + 3; x < frame.PlotLeft() + frame.PlotWidth(); ++x) {
            if (IsDark(picture, x, y)) {
                ++dark;
                stray += std::abs(x - column) > geometry.Layout.AxisPen ? 1 : 0;
            }
        }
    }
    EXPECT_GT(dark, frame.PlotHeight() / 3); // dashes cover about half the height
    EXPECT_EQ(stray, 0);
}

TEST(TKVORSampleLines, TheTitleFollowsTheEntriesAtDrawingTime) {
    SampleLinesRun run;
    run.Options.ShowTrue = false;
    DialogFixture f(run);
    auto dialog = f.Open(*run.Results);
    const QImage before = dialog->Picture();
    f.Truth.Slope = 2.5;
    dialog->DisplayLines();
    const QImage after = dialog->Picture();
    const kvor::PlotFrame frame(dialog->Graph().Geometry);
    ASSERT_EQ(before.size(), after.size());
    EXPECT_NE(before.copy(0, 0, before.width(), frame.PlotTop()),
              after.copy(0, 0, after.width(), frame.PlotTop()));
    EXPECT_EQ(before.copy(0, frame.PlotTop(), before.width(), before.height() - frame.PlotTop()),
              after.copy(0, frame.PlotTop(), after.width(), after.height() - frame.PlotTop()));
}

} // namespace
