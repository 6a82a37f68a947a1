#pragma once

#include "engine/DesignLimits.h"
#include "studies/DesignFocus.h"
#include "studies/MessageKind.h"

#include <string>

namespace kvor {

struct PoolExtremes;
struct StudyDesign;

struct DesignCheckResult {
    bool Passed = true;
    std::string Message;
    MessageKind Kind = MessageKind::Information;
    DesignFocus Focus = DesignFocus::None;
    int Code = 0; // variance-function code: 0, 1..12 (Y) or 101..112 (X)
};

// Checks a tab's design before a run: the X range, the sign of the target line, and the
// variance functions. Pure: the design and the pairs are left as they are.
DesignCheckResult CheckDesign(const StudyDesign& design, StudyTab tab, const PoolExtremes& imported,
                              char decimalSeparator = '.');

// Code of the first failed check of a variance function over [lo, hi]: 0 when it passes, else
// 1 to 12. Generated data also gets the checks against negative simulated values.
int CheckVarianceFunction(int Para, int Form, double hi, double lo, double J, double B3, double B2,
                          double B1, bool generated);

// "(lo to hi)" with both ends in the shortest general number form, as messages show ranges.
std::string MessageRangeText(double lo, double hi, char decimalSeparator);

// True when the likely lower boundary t - 2.5 sqrt(V) of simulated values at target t stays
// above zero or below it by at most 2.5% of the largest target L.
bool CheckNeg(double t, double L, double V);

} // namespace kvor
