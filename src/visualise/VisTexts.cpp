#include "visualise/VisTexts.h"

#include "engine/ExtendedMath.h"
#include "visualise/VisRun.h"

#include <algorithm>
#include <cstdio>

namespace kvor {

std::string DetectionPercent(int count, int sets, char decimalSeparator) {
    const double percent = ToDouble(static_cast<ext>(count) * 100 / sets);
    char text[64];
    std::snprintf(text, sizeof text, "%6.1f", percent);
    std::string s(text);
    std::replace(s.begin(), s.end(), '.', decimalSeparator);
    return s;
}

std::string VisPlotMessage(VisRefusal refusal) {
    switch (refusal) {
    case VisRefusal::FittedValues:
        return "The Slope, Intercept values obtained in this simulation run are unsuitable for "
               "plotting.  Slope and Intercept values must lie within the range -9999999 to "
               "10000000 and Max/Min ratios must be > 1.00001.";
    case VisRefusal::Limits:
        return "The Slope, Intercept confidence intervals and/or confidence regions obtained in "
               "this simulation run are unsuitable for plotting.  The minimum and maximum "
               "extremes of confidence intervals and confidence regions must lie within the range "
               "-9999999 to 10000000 and Max/Min ratios must be > 1.00001.";
    case VisRefusal::None:
        break;
    }
    return {};
}

VisLabels VisResultLabels(const VisRun& run, VisRunKind kind, EstimationMode mode,
                          char decimalSeparator) {
    const VisCounts& c = run.Counts;
    const int biased =
        c.Of(BiasType::Proportional) + c.Of(BiasType::Constant) + c.Of(BiasType::Both);
    const std::string intervals = DetectionPercent(biased, run.VisSets, decimalSeparator);
    const std::string region = DetectionPercent(c.RegionDetected, run.VisSets, decimalSeparator);
    VisLabels labels;
    if (kind == VisRunKind::Region) {
        labels.CIDetection2 = "Detection Success:" + region + "%";
        if (run.WithIntervals) {
            labels.CRDetection2 = "{Detection by Confidence Intervals: " + intervals + "%}";
        }
        return labels;
    }
    if (mode == EstimationMode::SpecifiedN) {
        labels.Specified = "Success Rate;   Confidence Intervals:" + intervals +
                           "%,   Confidence Region:" + region + "%";
        return labels;
    }
    labels.CIDetection1 = "Detection Success:" + intervals + "%";
    if (run.WithRegions) {
        labels.CRDetection1 = "{Detection by Confidence Region:" + region + "%}";
    }
    return labels;
}

} // namespace kvor
