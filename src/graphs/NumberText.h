#pragma once

#include <string>

namespace kvor {

// v in fixed notation with `decimals` decimals, as "%.*f" writes it but independent of the
// C locale; a value that rounds to zero carries no minus sign ("-0.0" never appears).
std::string FormatFixed(double v, int decimals);

// v in general notation with up to 15 significant digits.
std::string FormatGeneral(double v);

// Replaces the full stop of a number text by the decimal separator.
std::string WithSeparator(std::string text, char decimalSeparator);

} // namespace kvor
