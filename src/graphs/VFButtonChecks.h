#pragma once

#include "engine/DesignLimits.h"
#include "graphs/VFCurve.h"
#include "studies/DesignFocus.h"
#include "studies/MessageKind.h"

#include <string>
#include <vector>

namespace kvor {

struct GraphOptions;
struct PoolExtremes;
struct StudyDesign;

struct VFMessage {
    MessageKind Kind; // Warning before the dialog, Error when it does not open
    std::string Text;
    DesignFocus Focus;
};

struct VFButtonOutcome {
    std::vector<VFMessage> Messages; // in the order they are shown, Y first
    VFCurveSet Set;                  // completed when the dialog opens
    int FunctionsExamined = 0;       // 0, 1 (Y) or 2 (Y and X)
    bool DialogOpens = false;
    // The entry the focus goes to afterwards: the one the first message names.
    DesignFocus Focus = DesignFocus::None;
};

// Everything "View Variance Functions" does before its dialog would open: the preliminary
// checks of a generated design, the check of each function over the values the run produces,
// the messages and, when something is plottable, CompleteVFCurveSet (which sets the mean-axis
// and YLog choices of options).
VFButtonOutcome CheckVFButton(const StudyDesign& design, StudyTab tab, const PoolExtremes& imported,
                              GraphOptions& options, char decimalSeparator);

} // namespace kvor
