#include "app/NumEditFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace kvor {

namespace {

int DecimalExponent(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", v);
    const char* e = std::strchr(buffer, 'e');
    return e == nullptr ? 0 : std::atoi(e + 1);
}

std::string FormatFixed(double v, int decimals, char decimalSeparator) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    std::string text(buffer);
    if (const auto dot = text.find('.'); dot != std::string::npos) {
        text[dot] = decimalSeparator;
    }
    // A value that rounds to zero shows without its sign.
    if (text.front() == '-' && text.find_first_not_of("-0.,") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

// Number of zeros after "0." in the rounding pattern; 0 means a whole number.
int PatternDecimals(double v, int exponent, int maxLength) {
    if (v >= 0) {
        if (exponent > 0) {
            return maxLength - 2 - exponent;
        }
        if (exponent == 0) {
            return maxLength > 15 ? 14 : maxLength - 1;
        }
        return maxLength - 1;
    }
    if (exponent > 0) {
        return maxLength - 3 - exponent;
    }
    return maxLength - 2;
}

} // namespace

std::string FormatWholeNumber(double v) {
    // "%.0f" rounds halves to even; the pattern "0" rounds them away from zero.
    const double whole = v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5);
    return FormatFixed(whole, 0, '.');
}

std::string FormatNumEditText(double v, int maxLength, char decimalSeparator) {
    if (v == 0) {
        v = 0; // no "-0"
    }
    const int decimals = PatternDecimals(v, DecimalExponent(v), maxLength);
    if (decimals <= 0) {
        return FormatWholeNumber(v);
    }
    std::string r = FormatFixed(v, decimals, decimalSeparator);
    const auto separator = r.find(decimalSeparator);
    if (separator == std::string::npos || static_cast<int>(separator) + 1 >= maxLength) {
        return FormatWholeNumber(v);
    }
    r.erase(r.find_last_not_of('0') + 1);
    if (r.back() == decimalSeparator) {
        r.pop_back();
    }
    if (r.find(decimalSeparator) == std::string::npos) {
        return FormatWholeNumber(v);
    }
    const auto length = static_cast<std::size_t>(maxLength);
    if (r.size() <= length) {
        return r;
    }
    if (v >= 0) {
        return (r.front() == '0' ? r.substr(1) : r).substr(0, length);
    }
    if (r.compare(0, 2, "-0") == 0) {
        r.erase(1, 1); // "-0.5" -> "-.5"
        return r.substr(0, length);
    }
    return r.substr(0, length);
}

} // namespace kvor
