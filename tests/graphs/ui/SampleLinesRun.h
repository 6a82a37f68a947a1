#pragma once

// A real Accuracy run prepared for the sampling-lines plot, and pixel helpers.

#include "engine/RunResults.h"
#include "engine/StudyDesign.h"
#include "graphs/GraphOptions.h"
#include "graphs/SampleLinesModel.h"
#include "graphs/ui/SampleLinesGraph.h"
#include "studies/AccuracyRun.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <memory>

struct SampleLinesRun {
    explicit SampleLinesRun(double xMin = 50, double xMax = 150) {
        Design.FixedSeed = true;
        Design.XMin = xMin;
        Design.XMax = xMax;
        const kvor::AccuracyRunOutcome outcome =
            kvor::ACalculations(Design, nullptr, *Results, kvor::AccuracyRunControl{});
        kvor::ApplyFontPreset(Options);
        kvor::SetLinesOptionsAfterRun(Options, outcome.Results && outcome.Results->LinesZeroOrigin);
        kvor::PrepareSampleLinesAxes(*Results, Options.LinesZeroOriginForced);
    }

    std::unique_ptr<kvor::TSampleLinesGraph> Graph() {
        auto graph = std::make_unique<kvor::TSampleLinesGraph>(*Results, Options, [this] {
            return kvor::TrueValues{Design.TrueSlope, Design.TrueIntercept};
        });
        graph->Title1 = kvor::SampleLinesTitle1(Design.Regression, Design.SetsPerRun, Design.N);
        return graph;
    }

    kvor::StudyDesign Design;
    std::unique_ptr<kvor::RunResults> Results = std::make_unique<kvor::RunResults>();
    kvor::GraphOptions Options = kvor::DesignGraphOptions();
};

inline bool IsColour(const QImage& image, int x, int y, QColor colour) {
    return image.pixelColor(x, y).rgb() == colour.rgb();
}

inline bool IsDark(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}

// Pixels of the colour inside and outside a rectangle.
struct ColourCount {
    int Inside = 0;
    int Outside = 0;
};
inline ColourCount CountColour(const QImage& image, QColor colour, const QRect& inside) {
    ColourCount count;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsColour(image, x, y, colour)) {
                (inside.contains(x, y) ? count.Inside : count.Outside) += 1;
            }
        }
    }
    return count;
}
