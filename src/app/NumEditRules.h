#pragma once

namespace kvor {

class TQIVNumEdit;

// How a design edit keeps its value sound: the lower bound while the text is partial and
// otherwise, and the value that replaces 0 when the edit is left.
enum class NumEditRole { XMinimum, XMaximum, Constant, Coefficient, Exponent, Slope, Intercept };

// Adjusts MinValue so that the edit's own exit rule yields the design default.
void AdjustMinValue(TQIVNumEdit& edit, NumEditRole role);

// The value the form writes after the edit's own exit rule.
double NormalisedExitValue(const TQIVNumEdit& edit, NumEditRole role);

} // namespace kvor
