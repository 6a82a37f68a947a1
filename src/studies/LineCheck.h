#pragma once

#include "engine/DesignLimits.h"
#include "studies/DesignFocus.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

struct StudyDesign;

// The line a tab generates its targets from: the true line on the Accuracy tab, the actual
// line on the Power tab.
struct TargetLine {
    double Slope;
    double Intercept;
};
TargetLine TabLine(const StudyDesign& design, StudyTab tab);

// Smallest and largest target Y over the tab's X range.
struct TargetRange {
    double Lo;
    double Hi;
};
TargetRange TargetYRange(const StudyDesign& design, StudyTab tab);

struct LineRefusal {
    std::string Message;
    DesignFocus Focus;
};

// Refuses an X range too narrow, or a line whose targets fall below zero within it. The
// refusal about the line reads negativeStart + where + ".  You will need to modify either the
// range of the " + negativeEnd.
std::optional<LineRefusal> CheckXRangeAndLine(const StudyDesign& design, StudyTab tab,
                                              std::string_view negativeStart,
                                              std::string_view negativeEnd, char separator);

} // namespace kvor
