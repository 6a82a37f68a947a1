#pragma once

#include "engine/StudyDesign.h"
#include "visualise/VisAxes.h"

#include <string>

namespace kvor {

struct VisRun;

enum class VisRunKind { Intervals, Region };

// The result labels of the visualisation dialog; a label the run does not write stays empty.
struct VisLabels {
    std::string CIDetection1; // CIDetectionLabel1
    std::string CRDetection1; // CRDetectionLabel1
    std::string Specified;    // SpecifiedLabel
    std::string CIDetection2; // CIDetectionLabel2
    std::string CRDetection2; // CRDetectionLabel2
};

// count x 100 / sets as "%6.1f" with the separator, without the percent sign.
std::string DetectionPercent(int count, int sets, char decimalSeparator);

// The message shown for a refused run; empty for VisRefusal::None.
std::string VisPlotMessage(VisRefusal refusal);

// The labels of a completed run from its counts.
VisLabels VisResultLabels(const VisRun& run, VisRunKind kind, EstimationMode mode,
                          char decimalSeparator);

} // namespace kvor
