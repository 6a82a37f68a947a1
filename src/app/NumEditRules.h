#pragma once

namespace kvor {

class TQIVNumEdit;
enum class DesignField;

// How a design edit keeps its value sound, by the limits of its field: the lower bound while
// the text is partial and otherwise, and the value that replaces 0 when the edit is left.

// Adjusts MinValue so that the edit's own exit rule yields the design default.
void AdjustMinValue(TQIVNumEdit& edit, DesignField field);

// The value the form writes after the edit's own exit rule.
double NormalisedExitValue(const TQIVNumEdit& edit, DesignField field);

} // namespace kvor
