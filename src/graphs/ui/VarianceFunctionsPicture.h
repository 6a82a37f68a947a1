#pragma once

#include "graphs/VFCurve.h"

#include <string>

namespace kvor {

struct GraphOptions;

// Writes the 1920 x 1440 picture the variance-function dialog exports when it has just opened
// on the completed curve set with these options (the axis choices of the button), as variance,
// SD or CV (%). Returns why it could not be written, or nothing.
std::string WriteVarianceFunctionsPicture(const VFCurveSet& set, const GraphOptions& options,
                                          VFGraphType type, const std::string& file,
                                          const std::string& format);

} // namespace kvor
