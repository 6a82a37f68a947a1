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
