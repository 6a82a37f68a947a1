#pragma once

namespace kvor {

// The edit a refusal sends the user to (the tab maps it to its own control); the numbers are
// those the checks report.
enum class DesignFocus { None = 0, Minimum = 1, Maximum = 2, Variance = 3, YB1 = 4, XB1 = 5 };

} // namespace kvor
