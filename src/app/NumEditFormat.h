#pragma once

#include <string>

namespace kvor {

// The text a numeric edit shows for v: as many decimals as fit into maxLength characters,
// no trailing zeros, a leading zero dropped when that makes the number fit.
std::string FormatNumEditText(double v, int maxLength, char decimalSeparator);

// v rounded to a whole number (halves away from zero), as text.
std::string FormatWholeNumber(double v);

} // namespace kvor
