#pragma once

#include <string>

namespace kvor {

// Axis choices are made on the text of a value in scientific notation with 15 significant
// digits, not on logarithms: the nice-span tables switch at exact digit boundaries.
// All of these expect a finite value >= 0.

// The first 15 significant digits of v, without point or sign ("123450000000000" for 1234.5).
std::string SignificantDigits15(double v);

// The decimal exponent of v's 15-digit rendering (3 for 1234.5, 0 for 0).
int Exp(double v);

// The first k (1..15) significant digits of v, truncating its 15-digit rendering.
std::string Digits(double v, int k);

// The leading digit, the point and 14 digits read back as a number: 1 <= Mant < 10, or 0.
double Mant(double v);

// The span code 10..100 that selects a row of the nice-span tables.
int SpanCode(double u);

// Strips trailing zeros of a positive integer, counting them (12000 -> 12, 3).
struct MantissaExponent {
    long long Mantissa;
    int Exponent;
};
MantissaExponent StripTrailingZeros(long long digits, int exponent);

} // namespace kvor
