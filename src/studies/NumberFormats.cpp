#include "studies/NumberFormats.h"

#include "engine/ExtendedMath.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kvor {

namespace {

// 0.D1D2...Dn x 10^Exponent; Digits empty for zero, else D1 != '0' and no trailing zeros.
struct DecimalDigits {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

// Eighteen significant digits first, then rounding half up on those digits: a value such as
// 0.15 (stored just below it) then rounds as the user reads it.
constexpr int ConvertedDigits = 18;

DecimalDigits ToDecimal(double value) {
    DecimalDigits result;
    if (value == 0) {
        return result;
    }
    result.Negative = std::signbit(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", ConvertedDigits - 1, std::fabs(value));
    const std::string_view text(buffer);
    const std::size_t e = text.find('e');
    result.Digits.reserve(ConvertedDigits);
    result.Digits.push_back(text[0]);
    result.Digits.append(text.substr(2, e - 2));
    result.Exponent = std::atoi(buffer + e + 1) + 1;
    return result;
}

void StripTrailingZeros(DecimalDigits& d) {
    const std::size_t last = d.Digits.find_last_not_of('0');
    d.Digits.erase(last == std::string::npos ? 0 : last + 1);
    if (d.Digits.empty()) {
        d.Negative = false;
        d.Exponent = 0;
    }
}

// Keeps `keep` leading digits, rounding half up; keep <= 0 rounds at a position before D1.
void RoundToDigits(DecimalDigits& d, int keep) {
    if (d.Digits.empty() || keep >= static_cast<int>(d.Digits.size())) {
        StripTrailingZeros(d);
        return;
    }
    if (keep < 0 || (keep == 0 && d.Digits[0] < '5')) {
        d.Digits.clear();
        StripTrailingZeros(d);
        return;
    }
    if (keep == 0) {
        d.Digits = "1";
        ++d.Exponent;
        return;
    }
    const bool up = d.Digits[keep] >= '5';
    d.Digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.Digits[i] == '9') {
            d.Digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.Digits.insert(d.Digits.begin(), '1');
            d.Digits.pop_back();
            ++d.Exponent;
        } else {
            ++d.Digits[i];
        }
    }
    StripTrailingZeros(d);
}

char DigitAt(const DecimalDigits& d, int index) {
    return index >= 0 && index < static_cast<int>(d.Digits.size()) ? d.Digits[index] : '0';
}

std::string NonFinite(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

std::string TrimLeft(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

// The "%9.pg" precision chosen by magnitude, shared by Z and P.
int PrecisionForMagnitude(double magnitude) {
    if (magnitude >= 999999999.9999999) {
        return 6;
    }
    if (magnitude >= 1) {
        return 9;
    }
    if (magnitude >= 0.1) {
        return 7;
    }
    if (magnitude >= 0.01) {
        return 6;
    }
    if (magnitude >= 0.001) {
        return 5;
    }
    return 4;
}

constexpr std::size_t StatisticWidth = 12;

} // namespace

std::string FormatGeneral(double value, int precision, int minExponentDigits,
                          char decimalSeparator) {
    if (!std::isfinite(value)) {
        return NonFinite(value);
    }
    precision = precision < 1 ? 1 : (precision > ConvertedDigits ? ConvertedDigits : precision);
    DecimalDigits d = ToDecimal(value);
    RoundToDigits(d, precision);
    if (d.Digits.empty()) {
        return "0";
    }
    std::string text = d.Negative ? "-" : "";
    const int count = static_cast<int>(d.Digits.size());
    if (d.Exponent >= -3 && d.Exponent <= precision) {
        if (d.Exponent <= 0) {
            text += '0';
            text += decimalSeparator;
            text.append(static_cast<std::size_t>(-d.Exponent), '0');
            text += d.Digits;
        } else {
            for (int i = 0; i < d.Exponent; ++i) {
                text += DigitAt(d, i);
            }
            if (count > d.Exponent) {
                text += decimalSeparator;
                text.append(d.Digits, static_cast<std::size_t>(d.Exponent));
            }
        }
        return text;
    }
    text += d.Digits[0];
    if (count > 1) {
        text += decimalSeparator;
        text.append(d.Digits, 1);
    }
    text += 'E';
    const int exponent = d.Exponent - 1;
    if (exponent < 0) {
        text += '-';
    }
    const std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(digits.size()) < minExponentDigits) {
        text.append(static_cast<std::size_t>(minExponentDigits) - digits.size(), '0');
    }
    return text + digits;
}

std::string FormatG(double value, int precision, char decimalSeparator) {
    return FormatGeneral(value, precision, 3, decimalSeparator);
}

std::string FormatFixed(double value, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) {
        return NonFinite(value);
    }
    DecimalDigits d = ToDecimal(value);
    RoundToDigits(d, d.Exponent + decimals);
    std::string text = d.Negative ? "-" : "";
    if (d.Exponent <= 0) {
        text += '0';
    } else {
        for (int i = 0; i < d.Exponent; ++i) {
            text += DigitAt(d, i);
        }
    }
    if (decimals > 0) {
        text += decimalSeparator;
        for (int k = 0; k < decimals; ++k) {
            text += DigitAt(d, d.Exponent + k);
        }
    }
    return text;
}

std::string FormatA(double value, char decimalSeparator) {
    std::string text(" ");
    return text.append(FormatG(value, 10, decimalSeparator));
}

std::string FormatZ(double z, char decimalSeparator) {
    const std::string text =
        TrimLeft(FormatG(z, PrecisionForMagnitude(std::fabs(z)), decimalSeparator));
    return "Z = " + text.substr(0, StatisticWidth);
}

std::string FormatP(double p, char decimalSeparator) {
    const double magnitude = std::fabs(p);
    if (magnitude < 0.0001) {
        return "P < 0.0001";
    }
    const std::string text =
        TrimLeft(FormatG(p, PrecisionForMagnitude(magnitude), decimalSeparator));
    return "P = " + text.substr(0, StatisticWidth);
}

std::string FormatPercentage(int count, int validCount, char decimalSeparator) {
    if (validCount == 0) {
        return " ";
    }
    if (count == 0) {
        return " 0%";
    }
    if (count == validCount) {
        return " 100%";
    }
    const double share = static_cast<ext>(count) * 100 / validCount;
    std::string text(" ");
    return text.append(FormatFixed(share, 2, decimalSeparator)).append("%");
}

} // namespace kvor
