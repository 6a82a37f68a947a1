#include "graphs/NumberText.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace kvor {

namespace {

bool IsNegativeZeroText(const std::string& text) {
    return !text.empty() && text[0] == '-' &&
           std::all_of(text.begin() + 1, text.end(),
                       [](char ch) { return ch == '0' || ch == '.'; });
}

} // namespace

std::string FormatFixed(double v, int decimals) {
    // 309 integer digits at most for a finite double, plus sign, point and decimals.
    const int clampedDecimals = std::clamp(decimals, 0, 330);
    std::vector<char> buffer(static_cast<std::size_t>(clampedDecimals) + 340);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                      std::chars_format::fixed, clampedDecimals);
    std::string text(buffer.data(), result.ptr);
    if (IsNegativeZeroText(text)) {
        text.erase(0, 1);
    }
    return text;
}

std::string FormatGeneral(double v) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    if (IsNegativeZeroText(text)) {
        text.erase(0, 1);
    }
    return text;
}

std::string WithSeparator(std::string text, char decimalSeparator) {
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

} // namespace kvor
