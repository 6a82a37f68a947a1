#include "VisPlotFixture.h"

#include "app/HelpContext.h"
#include "graphs/AxisScale.h"
#include "graphs/ui/GraphExport.h"
#include "graphs/ui/GraphPainter.h"
#include "graphs/ui/OutputTexts.h"
#include "visualise/ui/VisPlotGraph.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using kvor::BiasType;
using kvor::TKVORVisualisePlot;
using vistest::CountColour;
using vistest::PlotFixture;
using vistest::Q;
constexpr BiasType ND = BiasType::None;
constexpr BiasType PB = BiasType::Proportional;
constexpr BiasType CB = BiasType::Constant;
constexpr BiasType BO = BiasType::Both;

template <typename T = QWidget> T* Find(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void ClickIndicator(QWidget* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void Click(QWidget& dialog, const char* name) {
    QTest::mouseClick(Find(dialog, name), Qt::LeftButton);
}

void ExpectEnabled(QWidget& dialog, std::initializer_list<const char*> names, bool enabled) {
    for (const char* name : names) {
        EXPECT_EQ(Find(dialog, name)->isEnabled(), enabled) << name;
    }
}

constexpr std::initializer_list<const char*> PartitionOutputs{"BMPRB", "EMFRB",   "CopyB",
                                                              "FileB", "PSetupB", "PrintB"};

// The export picture of the dialog's graph, leaving its geometry that of this picture.
QImage ExportPicture(TKVORVisualisePlot& dialog) {
    QImage image(1920, 1440, QImage::Format_RGB32);
    QPainter painter(&image);
    kvor::DrawFitted(dialog.Graph(), painter, image.width(), image.height(), 3);
    return image;
}

// Intervals with regions, every class of both kinds present.
std::unique_ptr<PlotFixture> MixedRun() {
    return std::make_unique<PlotFixture>(std::vector<BiasType>{ND, PB, CB, BO, ND, PB},
                                         std::vector<bool>{false, true, false, true, true, false});
}

TEST(TKVORVisualisePlot, OpensOnTheRunsGraphTypeWithStartSettings) {
    auto f = MixedRun();
    f->Output.VisOptions.PointSize = 6;
    auto dialog = f->Open(1);
    EXPECT_EQ(dialog->windowTitle(), "  OLS Regression");
    EXPECT_EQ(dialog->Graph().Title1, " OLS Regression:  6 simulated sets of N = 10");
    EXPECT_TRUE(Find<QRadioButton>(*dialog, "CIRadioButton")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(*dialog, "DOTCB")->isChecked());
    EXPECT_EQ(Find<QSpinBox>(*dialog, "DataSizeSpinEdit")->value(), 4);
    EXPECT_EQ(f->Output.VisOptions.PointSize, 4);
    EXPECT_TRUE(Find(*dialog, "PartitionButton")->isEnabled());
    EXPECT_EQ(kvor::HelpContextOf(Find(*dialog, "RegImage")), 1144);
    EXPECT_FALSE(dialog->Picture().isNull());
    EXPECT_EQ(dialog->CurrentPlotMode(), kvor::PlotMode::Intervals);

    auto regions = f->Open(2);
    EXPECT_TRUE(Find<QRadioButton>(*regions, "CRRadioButton")->isChecked());
    EXPECT_EQ(regions->CurrentPlotMode(), kvor::PlotMode::Regions);
    EXPECT_EQ(kvor::HelpContextOf(Find(*regions, "RegImage")), 1146);
}

TEST(TKVORVisualisePlot, RunAllOfOneBiasTypeCannotPartitionIntervals) {
    PlotFixture f({ND, ND, ND, ND}, {false, true, true, false});
    auto dialog = f.Open(1);
    EXPECT_FALSE(Find(*dialog, "PartitionButton")->isEnabled());
    // its regions can still be partitioned
    ClickIndicator(Find(*dialog, "CRRadioButton"));
    EXPECT_TRUE(Find(*dialog, "PartitionButton")->isEnabled());
    ClickIndicator(Find(*dialog, "SLRadioButton"));
    EXPECT_FALSE(Find(*dialog, "PartitionButton")->isEnabled());
}

TEST(TKVORVisualisePlot, IntervalsRunWithoutRegionsOffersNoRegions) {
    PlotFixture f({ND, PB, PB}, {});
    auto dialog = f.Open(1);
    ExpectEnabled(*dialog, {"CRRadioButton", "CRRB"}, false);
    ExpectEnabled(*dialog, {"CIRadioButton", "SLRadioButton", "PartitionButton"}, true);
    Click(*dialog, "PartitionButton");
    EXPECT_TRUE(Find<QRadioButton>(*dialog, "CIRB")->isChecked());
    EXPECT_FALSE(Find(*dialog, "CRRB")->isEnabled());
}

TEST(TKVORVisualisePlot, SamplingLinesDisableTheDataControlsAndNameTheActualLine) {
    auto f = MixedRun();
    auto dialog = f->Open(1);
    ClickIndicator(Find(*dialog, "SLRadioButton"));
    ExpectEnabled(*dialog,
                  {"DOTCB", "DataColorLabel", "DataColorBox", "DataSizeLabel", "DataSizeSpinEdit"},
                  false);
    auto* truth = Find<QCheckBox>(*dialog, "TrueCheckBox");
    EXPECT_EQ(truth->text(), "Show Actual &Relationship");
    EXPECT_EQ(kvor::HelpContextOf(truth), 1129);
    EXPECT_EQ(kvor::HelpContextOf(Find(*dialog, "RegImage")), 1148);
    EXPECT_EQ(dialog->CurrentPlotMode(), kvor::PlotMode::Lines);
    // the lines carry the lines colour, no point is drawn
    const QImage lines = dialog->Picture();
    EXPECT_GT(CountColour(lines, Q(f->Output.VisOptions.LinesColour)), 0);
    EXPECT_EQ(CountColour(lines, Q(f->Output.VisOptions.DataColour)), 0);

    ClickIndicator(Find(*dialog, "CIRadioButton"));
    ExpectEnabled(*dialog, {"DOTCB", "DataColorBox", "DataSizeSpinEdit"}, true);
    EXPECT_EQ(truth->text(), "Show Ideal &Relationship");
    EXPECT_EQ(kvor::HelpContextOf(truth), 1128);
    EXPECT_GT(CountColour(dialog->Picture(), Q(f->Output.VisOptions.DataColour)), 0);
}

TEST(TKVORVisualisePlot, SamplingLinesStayInThePlotUnderTheDashedActualLine) {
    auto f = MixedRun();
    // lines running off the top of the plot, to be clipped
    f->Run->Lines.Slopes[0] = 5;
    f->Output.VisOptions.ShowTitle = false; // it would show the Actual values too
    const kvor::GraphOptions& o = f->Output.VisOptions;
    auto dialog = f->Open(1);
    ClickIndicator(Find(*dialog, "SLRadioButton"));
    const kvor::PlotFrame frame(dialog->Graph().Geometry);
    const int pen = dialog->Graph().Geometry.Layout.AxisPen;
    const QRect inside = frame.PlotRect().adjusted(pen + 2, 0, 0, -pen - 2);
    const QImage withActual = dialog->Picture();
    EXPECT_EQ(CountColour(withActual, Q(o.LinesColour)),
              CountColour(withActual, Q(o.LinesColour), frame.PlotRect()));
    const int dashes = CountColour(withActual, Q(o.GraphColour), inside);
    ClickIndicator(Find(*dialog, "TrueCheckBox"));
    const int none = CountColour(dialog->Picture(), Q(o.GraphColour), inside);
    EXPECT_EQ(none, 0);
    EXPECT_GT(dashes, frame.PlotWidth() / 3);
    // the Actual line of the entries at drawing time
    f->Entries.ActualSlope = 0.5;
    ClickIndicator(Find(*dialog, "TrueCheckBox"));
    EXPECT_NE(dialog->Picture(), withActual);
}

TEST(TKVORVisualisePlot, PartitionedWithNothingCheckedDrawsNoSetsAndCannotBeOutput) {
    auto f = MixedRun();
    const kvor::GraphOptions& o = f->Output.VisOptions;
    auto dialog = f->Open(1);
    Click(*dialog, "PartitionButton");
    EXPECT_TRUE(Find(*dialog, "PartitionPanel")->isVisibleTo(dialog.get()));
    EXPECT_FALSE(Find(*dialog, "OptionsPanel")->isVisibleTo(dialog.get()));
    // All: every set, the class boxes unavailable
    EXPECT_GT(CountColour(dialog->Picture(), Q(o.LinesColour)), 0);
    ExpectEnabled(*dialog, {"NoneCB", "PropCB", "NoneColorBox", "DetColorBox"}, false);
    ExpectEnabled(*dialog, PartitionOutputs, true);

    ClickIndicator(Find(*dialog, "PartRB"));
    EXPECT_EQ(kvor::HelpContextOf(Find(*dialog, "RegImage")), 1242);
    ExpectEnabled(*dialog, {"NoneCB", "PropCB", "ConstCB", "BothCB"}, true);
    ExpectEnabled(*dialog, {"DetCB"}, false);
    ExpectEnabled(*dialog, PartitionOutputs, false);
    const QImage empty = dialog->Picture();
    for (const kvor::RgbColour c : {o.LinesColour, o.DataColour, o.NotDetectedColour,
                                    o.ProportionalColour, o.ConstantColour, o.BothColour}) {
        EXPECT_EQ(CountColour(empty, Q(c)), 0);
    }
    EXPECT_GT(CountColour(empty, Q(o.GraphColour)), 0); // axes and reference lines
    EXPECT_GT(CountColour(empty, Q(o.TitleColour)), 0);

    ClickIndicator(Find(*dialog, "ConstCB"));
    ExpectEnabled(*dialog, PartitionOutputs, true);
    const QImage one = dialog->Picture();
    EXPECT_GT(CountColour(one, Q(o.ConstantColour)), 0);
    EXPECT_GT(CountColour(one, Q(o.DataColour)), 0);
    EXPECT_EQ(CountColour(one, Q(o.NotDetectedColour)), 0);
    EXPECT_EQ(CountColour(one, Q(o.LinesColour)), 0);
}

TEST(TKVORVisualisePlot, ClassesDrawInCheckingOrder) {
    PlotFixture f({PB, ND, BO}, {});
    // every rectangle in the same place, so that the class drawn last is the one seen
    for (std::size_t i = 0; i < 3; ++i) {
        f.Run->SlopeLow[i] = 0.7;
        f.Run->SlopeHigh[i] = 1.3;
        f.Run->InterceptLow[i] = 1.6;
        f.Run->InterceptHigh[i] = 2.4;
    }
    const kvor::GraphOptions& o = f.Output.VisOptions;
    auto dialog = f.Open(1);
    Click(*dialog, "PartitionButton");
    ClickIndicator(Find(*dialog, "PartRB"));
    ClickIndicator(Find(*dialog, "PropCB"));
    ClickIndicator(Find(*dialog, "NoneCB"));
    EXPECT_GT(CountColour(dialog->Picture(), Q(o.NotDetectedColour)), 0);
    EXPECT_EQ(CountColour(dialog->Picture(), Q(o.ProportionalColour)), 0);
    ClickIndicator(Find(*dialog, "PropCB"));
    ClickIndicator(Find(*dialog, "BothCB"));
    EXPECT_EQ(dialog->IntervalSelection().Codes(), (std::vector<int>{0, 3}));
    EXPECT_EQ(dialog->IntervalSelection().Count, 2);
    const QImage both = dialog->Picture();
    EXPECT_GT(CountColour(both, Q(o.BothColour)), 0);
    EXPECT_EQ(CountColour(both, Q(o.NotDetectedColour)), 0);
    EXPECT_EQ(CountColour(both, Q(o.ProportionalColour)), 0);
    // checked again, ND goes last and covers Both
    ClickIndicator(Find(*dialog, "NoneCB"));
    ClickIndicator(Find(*dialog, "NoneCB"));
    EXPECT_EQ(dialog->IntervalSelection().Codes(), (std::vector<int>{3, 0}));
    EXPECT_EQ(CountColour(dialog->Picture(), Q(o.BothColour)), 0);
}

TEST(TKVORVisualisePlot, EachKindKeepsItsOwnBoxes) {
    auto f = MixedRun();
    auto dialog = f->Open(1);
    Click(*dialog, "PartitionButton");
    ClickIndicator(Find(*dialog, "PartRB"));
    ClickIndicator(Find(*dialog, "PropCB"));
    ClickIndicator(Find(*dialog, "BothCB"));
    ClickIndicator(Find(*dialog, "CRRB"));
    EXPECT_EQ(kvor::HelpContextOf(Find(*dialog, "RegImage")), 1244);
    EXPECT_EQ(dialog->CurrentPlotMode(), kvor::PlotMode::PartRegions);
    for (const char* box : {"NoneCB", "PropCB", "ConstCB", "BothCB", "DetCB"}) {
        EXPECT_FALSE(Find<QCheckBox>(*dialog, box)->isChecked()) << box;
    }
    ExpectEnabled(*dialog, {"NoneCB", "DetCB", "DetColorBox"}, true);
    ExpectEnabled(*dialog, {"PropCB", "ConstCB", "BothCB"}, false);
    ExpectEnabled(*dialog, PartitionOutputs, false);
    ClickIndicator(Find(*dialog, "DetCB"));
    EXPECT_EQ(dialog->RegionSelection().Codes(), (std::vector<int>{1}));

    ClickIndicator(Find(*dialog, "CIRB"));
    EXPECT_TRUE(Find<QCheckBox>(*dialog, "PropCB")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(*dialog, "BothCB")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(*dialog, "NoneCB")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(*dialog, "DetCB")->isChecked());
    EXPECT_EQ(dialog->IntervalSelection().Codes(), (std::vector<int>{1, 3}));
    EXPECT_EQ(dialog->RegionSelection().Codes(), (std::vector<int>{1}));
    ClickIndicator(Find(*dialog, "CRRB"));
    EXPECT_TRUE(Find<QCheckBox>(*dialog, "DetCB")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(*dialog, "PropCB")->isChecked());

    // Back shows the options view on the kind last shown
    Click(*dialog, "BackButton");
    EXPECT_TRUE(Find<QRadioButton>(*dialog, "CRRadioButton")->isChecked());
    EXPECT_EQ(dialog->focusWidget(), Find(*dialog, "PartitionButton"));
    EXPECT_EQ(dialog->CurrentPlotMode(), kvor::PlotMode::Regions);
}

TEST(TKVORVisualisePlot, BlackWhiteDisablesColoursAndPartitionAndDrawsBlackOnWhite) {
    auto f = MixedRun();
    auto dialog = f->Open(1);
    ClickIndicator(Find(*dialog, "BWCheckBox"));
    EXPECT_TRUE(f->Output.VisOptions.BlackWhite);
    ExpectEnabled(*dialog,
                  {"BGColorBox", "GraphColorBox", "HeaderColorBox", "DataColorBox", "LinesColorBox",
                   "BGColorLabel", "DataColorLabel", "LinesColorLabel", "PartitionButton"},
                  false);
    const QImage bw = ExportPicture(*dialog);
    int coloured = 0;
    for (int y = 0; y < bw.height(); y += 2) {
        for (int x = 0; x < bw.width(); x += 2) {
            const QColor c = bw.pixelColor(x, y);
            coloured += c.red() != c.green() || c.green() != c.blue() ? 1 : 0;
        }
    }
    EXPECT_EQ(coloured, 0);
    EXPECT_EQ(bw.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_GT(CountColour(bw, Qt::black), 1000);

    ClickIndicator(Find(*dialog, "BWCheckBox"));
    ExpectEnabled(*dialog, {"BGColorBox", "DataColorBox", "LinesColorBox", "PartitionButton"},
                  true);
    ClickIndicator(Find(*dialog, "SLRadioButton"));
    ClickIndicator(Find(*dialog, "BWCheckBox"));
    ClickIndicator(Find(*dialog, "BWCheckBox"));
    ExpectEnabled(*dialog, {"BGColorBox", "LinesColorBox"}, true);
    ExpectEnabled(*dialog, {"DataColorBox", "DataColorLabel"}, false);
}

TEST(TKVORVisualisePlot, DataOnTopClearedDrawsPointsFirstUnderThinOutlines) {
    auto f = MixedRun();
    // the fitted point on the lower left corner of its rectangle
    for (int k = 0; k < f->Run->SetsDone; ++k) {
        const auto i = static_cast<std::size_t>(k);
        f->Run->FitSlope[i] = f->Run->SlopeLow[i];
        f->Run->FitIntercept[i] = f->Run->InterceptLow[i];
    }
    const kvor::GraphOptions& o = f->Output.VisOptions;
    auto dialog = f->Open(1);
    const auto cornerAndEdge = [&](QColor& corner, int& edgeWidth) {
        const QImage image = ExportPicture(*dialog);
        const kvor::PlotFrame frame(dialog->Graph().Geometry);
        const QPoint c(frame.XPixel(f->Run->SlopeLow[5]), frame.YPixel(f->Run->InterceptLow[5]));
        corner = image.pixelColor(c);
        // across the right edge of the last rectangle, half-way up, clear of the others
        const int y = frame.YPixel((f->Run->InterceptLow[5] + f->Run->InterceptHigh[5]) / 2);
        const int x = frame.XPixel(f->Run->SlopeHigh[5]);
        edgeWidth = CountColour(image, Q(o.LinesColour), QRect(x - 4, y, 9, 1));
    };
    QColor corner;
    int onTopWidth = 0;
    cornerAndEdge(corner, onTopWidth);
    EXPECT_EQ(corner, Q(o.DataColour));
    EXPECT_GT(onTopWidth, 1);

    ClickIndicator(Find(*dialog, "DOTCB"));
    int beneathWidth = 0;
    cornerAndEdge(corner, beneathWidth);
    EXPECT_EQ(corner, Q(o.LinesColour));
    EXPECT_EQ(beneathWidth, 1);
}

TEST(TKVORVisualisePlot, OutlinePensScaleWithAScaledPage) {
    auto f = MixedRun();
    const QColor lines = Q(f->Output.VisOptions.LinesColour);
    auto dialog = f->Open(1);
    // The width across the right edge of the last rectangle, half-way up, at a device scale.
    const auto edgeWidth = [&](int scale) {
        QImage image(1920 * scale, 1440 * scale, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setViewport(0, 0, image.width(), image.height());
        painter.setWindow(0, 0, 1920, 1440); // as a printed page maps its window
        kvor::DrawFitted(dialog->Graph(), painter, 1920, 1440, 3);
        painter.end();
        const kvor::PlotFrame frame(dialog->Graph().Geometry);
        const int y = frame.YPixel((f->Run->InterceptLow[5] + f->Run->InterceptHigh[5]) / 2);
        const int x = frame.XPixel(f->Run->SlopeHigh[5]);
        return CountColour(image, lines, QRect((x - 4) * scale, y * scale, 9 * scale, 1));
    };
    const int flat = edgeWidth(1);
    ASSERT_GT(flat, 1);
    EXPECT_EQ(edgeWidth(2), 2 * flat);
}

TEST(TKVORVisualisePlot, ReferenceValueAtTheEdgeOrTheAxisEndDrawsNoLine) {
    auto f = MixedRun();
    const QColor graph = Q(f->Output.VisOptions.GraphColour);
    f->Output.VisOptions.ShowTitle = false; // its second line shows the values
    auto dialog = f->Open(1);
    const kvor::GraphGeometry g = dialog->Graph().Geometry;
    const kvor::PlotFrame frame(g);
    const double xEdge = g.Layout.X.EdgeValue;
    const double yEdge = g.Layout.Y.EdgeValue;
    const double xEnd = kvor::AxisEnd(g.XAxis);
    const double yEnd = kvor::AxisEnd(g.YAxis);
    f->Output.VisOptions.ShowTrue = false;
    dialog->DisplayLines();
    const QImage noLines = dialog->Picture();
    f->Output.VisOptions.ShowTrue = true;

    struct Case {
        double slope;
        double intercept;
    };
    for (const Case c : {Case{xEnd, yEnd}, Case{xEdge, yEdge}, Case{xEdge, yEnd}}) {
        f->Entries.IdealSlope = c.slope;
        f->Entries.IdealIntercept = c.intercept;
        dialog->DisplayLines();
        EXPECT_EQ(dialog->Picture(), noLines) << c.slope << ", " << c.intercept;
    }
    // just inside the ends both lines show, clear of the axes
    const int pen = g.Layout.AxisPen;
    f->Entries.IdealSlope = xEnd - 1e-3 * (xEnd - xEdge);
    f->Entries.IdealIntercept = yEnd - 1e-3 * (yEnd - yEdge);
    dialog->DisplayLines();
    const QImage inside = dialog->Picture();
    EXPECT_GT(CountColour(inside, graph,
                          QRect(frame.PlotLeft() + pen + 2, frame.YPixel(f->Entries.IdealIntercept),
                                frame.PlotWidth() - pen - 2, 1)),
              frame.PlotWidth() / 3);
    EXPECT_GT(CountColour(inside, graph,
                          QRect(frame.XPixel(f->Entries.IdealSlope), frame.PlotTop(), 1,
                                frame.PlotHeight() - pen - 2)),
              frame.PlotHeight() / 3);
}

TEST(TKVORVisualisePlot, IdealLineToggleAlternatesBeneathAndOnTop) {
    auto f = MixedRun();
    const kvor::GraphOptions& o = f->Output.VisOptions;
    auto dialog = f->Open(1);
    auto* truth = Find<QCheckBox>(*dialog, "TrueCheckBox");
    // Lines colour left on the reference row: fewer when the dashes lie on top.
    const auto linesOnIdealRow = [&] {
        const QImage image = ExportPicture(*dialog);
        const kvor::PlotFrame frame(dialog->Graph().Geometry);
        return CountColour(
            image, Q(o.LinesColour),
            QRect(frame.PlotLeft(), frame.YPixel(f->Entries.IdealIntercept), frame.PlotWidth(), 1));
    };
    EXPECT_FALSE(o.TrueBeneath);
    const int onTop = linesOnIdealRow();
    std::vector<bool> beneath;
    for (int i = 0; i < 4; ++i) {
        ClickIndicator(truth);
        ClickIndicator(truth);
        beneath.push_back(o.TrueBeneath);
        EXPECT_EQ(linesOnIdealRow() > onTop, o.TrueBeneath) << i;
    }
    EXPECT_EQ(beneath, (std::vector<bool>{true, false, true, false}));
    ClickIndicator(truth);
    EXPECT_FALSE(o.ShowTrue);
}

TEST(TKVORVisualisePlot, OutputFailuresShowTheirMessagesAndKeepThePicture) {
    auto f = MixedRun();
    auto dialog = f->Open(1);
    const QImage before = dialog->Picture();

    f->Clipboard.Fails = true;
    Click(*dialog, "CopyButton");
    ClickIndicator(Find(*dialog, "EMFRadioButton"));
    Click(*dialog, "CopyButton");
    f->Files.QueueName("/nonexistent-folder/plot.emf");
    Click(*dialog, "FileButton");
    f->Printer.BeginFails = true;
    Click(*dialog, "PrintButton");

    QStringList texts;
    for (const auto& m : f->Messages.Messages()) {
        texts << m.Text;
    }
    EXPECT_EQ(
        texts,
        (QStringList{kvor::OutputTexts::BitmapCopyError, kvor::OutputTexts::MetafileCopyError,
                     kvor::OutputTexts::MetafileWriteError, kvor::OutputTexts::GraphPrintError}));
    EXPECT_EQ(f->Messages.Beeps(), 4);
    EXPECT_TRUE(dialog->isEnabled());
    EXPECT_EQ(dialog->Picture(), before);
}

TEST(TKVORVisualisePlot, PrintsTheJobOfTheGraphShown) {
    auto f = MixedRun();
    auto dialog = f->Open(1);
    Click(*dialog, "PrintButton");
    ClickIndicator(Find(*dialog, "SLRadioButton"));
    Click(*dialog, "PrintButton");
    ClickIndicator(Find(*dialog, "CRRadioButton"));
    Click(*dialog, "PartitionButton");
    Click(*dialog, "PrintB");
    QStringList titles;
    for (const auto& job : f->Printer.Jobs) {
        titles << job.Title;
    }
    EXPECT_EQ(titles, (QStringList{"KVOR Confidence Interval Plot", "KVOR Sampling Lines Plot",
                                   "KVOR Confidence Region Plot"}));
    EXPECT_EQ(f->Output.PrintState, 7);
    EXPECT_TRUE(f->Messages.Messages().isEmpty());
}

TEST(TKVORVisualisePlot, DetailsButtonDisablesTheDialogWhileTheReportIsOpen) {
    auto f = MixedRun();
    auto dialog = f->Open(2);
    std::vector<int> selectors;
    bool enabledMeanwhile = true;
    dialog->ShowDetails = [&](QWidget* owner, int selector) {
        EXPECT_EQ(owner, dialog.get());
        enabledMeanwhile = owner->isEnabled();
        selectors.push_back(selector);
    };
    Click(*dialog, "PartitionButton");
    EXPECT_TRUE(Find<QRadioButton>(*dialog, "CRRB")->isChecked());
    Click(*dialog, "DetailsButton");
    EXPECT_EQ(selectors, (std::vector<int>{2}));
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(dialog->isEnabled());
}

TEST(TKVORVisualisePlot, OptionsOutliveTheDialogExceptThoseResetAtOpening) {
    auto f = MixedRun();
    {
        auto dialog = f->Open(1);
        Find<QComboBox>(*dialog, "AspectComboBox")->setCurrentIndex(3);
        Find<QComboBox>(*dialog, "FontSizeComboBox")->setCurrentIndex(0);
        Find<QSpinBox>(*dialog, "DataSizeSpinEdit")->setValue(6);
        ClickIndicator(Find(*dialog, "DOTCB"));
        ClickIndicator(Find(*dialog, "TicksCheckBox"));
    }
    const kvor::GraphOptions& o = f->Output.VisOptions;
    EXPECT_EQ(o.VisAspect, 85);
    EXPECT_EQ(o.FontSizeOption, 0);
    EXPECT_EQ(o.FontSize(kvor::FontRole::Title), 17);
    EXPECT_FALSE(o.MinorTickMarks);
    auto again = f->Open(1);
    EXPECT_EQ(Find<QComboBox>(*again, "AspectComboBox")->currentText(), "85");
    EXPECT_EQ(Find<QComboBox>(*again, "FontSizeComboBox")->currentText(), "Huge");
    EXPECT_FALSE(Find<QCheckBox>(*again, "TicksCheckBox")->isChecked());
    EXPECT_EQ(Find<QSpinBox>(*again, "DataSizeSpinEdit")->value(), 4);
    EXPECT_TRUE(Find<QCheckBox>(*again, "DOTCB")->isChecked());
}

} // namespace
