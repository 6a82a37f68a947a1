#include "graphs/DigitStrings.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kvor {

namespace {

// "d.ddddddddddddddE+xxx" as to_chars writes it ("1.23450000000000e+03"); locale independent.
std::string ScientificText(double v) {
    std::array<char, 48> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                      std::chars_format::scientific, 14);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::string SignificantDigits15(double v) {
    const std::string text = ScientificText(v);
    return text.substr(0, 1) + text.substr(2, 14);
}

int Exp(double v) {
    const std::string text = ScientificText(v);
    return std::atoi(text.c_str() + text.find('e') + 1);
}

std::string Digits(double v, int k) {
    return SignificantDigits15(v).substr(0, k);
}

double Mant(double v) {
    const std::string head = ScientificText(v).substr(0, 16);
    double value = 0.0;
    std::from_chars(head.data(), head.data() + head.size(), value);
    return value;
}

int SpanCode(double u) {
    const long double code = 10.0L * Mant(u) + 0.5L;
    // nearbyint follows the current rounding mode, which is to-nearest with ties to even.
    return static_cast<int>(std::nearbyint(code));
}

MantissaExponent StripTrailingZeros(long long digits, int exponent) {
    while (digits != 0 && digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    return {digits, exponent};
}

} // namespace kvor
