#pragma once

#include <string>

namespace kvor {

// Every number shown in a result panel, a message or the failed-set export goes through here,
// so that the decimal separator and the digit rules are the same everywhere.

// The general number format: the value rounded to `precision` significant digits, fixed notation
// while the decimal exponent e of 0.D1D2... x 10^e lies in [-3, precision], else
// "D.DDDE[-]XXX" with at least `minExponentDigits` exponent digits. Zero is "0"; a value that
// is not finite is "NAN", "INF" or "-INF".
std::string FormatGeneral(double value, int precision, int minExponentDigits,
                          char decimalSeparator);

// "%w.pg" with its padding trimmed: the general format with three exponent digits.
std::string FormatG(double value, int precision, char decimalSeparator);

// "%w.nf" with its padding trimmed: `decimals` digits after the separator.
std::string FormatFixed(double value, int decimals, char decimalSeparator);

// Means and SDs of a run: " " + "%10.10g".
std::string FormatA(double value, char decimalSeparator);

// "Z = " + the value with a precision chosen by its magnitude, cut to 12 characters.
std::string FormatZ(double z, char decimalSeparator);

// "P = " as for Z, with "%9.4g" down to 0.0001 and "P < 0.0001" below.
std::string FormatP(double p, char decimalSeparator);

// Share of `count` in `validCount` as " 12.34%"; " " when there is nothing to share.
std::string FormatPercentage(int count, int validCount, char decimalSeparator);

} // namespace kvor
