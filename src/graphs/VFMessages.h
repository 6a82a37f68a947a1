#pragma once

#include "graphs/VFTexts.h"

#include <string>

namespace kvor {

struct VFCurve;

// What a message about one function depends on besides its code.
struct VFMessageContext {
    bool Generated; // "target" texts; imported data otherwise
    bool Ols;       // the Y function is the constant variance
    const VFTexts::LineWording& Line;
    std::string Range; // "(lo to hi)"
};

// The message about a checked Y or X function (VFYFunction, VFXFunction): the text of codes 1 to
// 7, then the CV note when the function is plottable but never below 100% CV. Empty when there
// is nothing to say.
std::string VFFunctionMessage(int function, const VFCurve& curve, const VFMessageContext& context);

} // namespace kvor
