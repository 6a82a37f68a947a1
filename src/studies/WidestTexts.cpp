#include "studies/WidestTexts.h"

#include "studies/DetectionDisplay.h"
#include "studies/DetectionPanels.h"
#include "studies/NumberFormats.h"

#include <climits>
#include <cmath>

namespace kvor {

namespace {

// Magnitudes at every switch of notation and precision, with the longest exponents.
std::vector<double> ExtremeValues() {
    std::vector<double> values;
    for (const double mantissa : {8.888888888888888, 1.000000000100001, 9.999999999}) {
        for (const int exponent : {-307, -100, -99, -10, -9, -5, -4, -3, -2,  -1, 0,
                                   1,    2,    5,   8,   9,  10, 11, 99, 100, 307}) {
            const double v = mantissa * std::pow(10.0, exponent);
            values.push_back(v);
            values.push_back(-v);
        }
    }
    return values;
}

// Panels put one blank before the number.
std::string Blanked(const std::string& text) {
    std::string panel(1, ' ');
    panel += text;
    return panel;
}

} // namespace

std::vector<std::string> WidestCandidates(PanelFormat format) {
    std::vector<std::string> texts;
    for (const char separator : {'.', ','}) {
        switch (format) {
        case PanelFormat::Percentage:
            for (const auto& [count, valid] : {std::pair{1000, 1000}, {999, 1000}, {1, 3}}) {
                texts.push_back(FormatPercentage(count, valid, separator));
            }
            continue;
        case PanelFormat::RequiredN:
            texts.push_back(RequiredNText(5000));
            texts.push_back(RequiredNText(AnswerNoneFound));
            continue;
        case PanelFormat::Count:
            texts.push_back(Blanked(std::to_string(INT_MAX)));
            continue;
        default:
            break;
        }
        for (const double v : ExtremeValues()) {
            switch (format) {
            case PanelFormat::A:
                texts.push_back(FormatA(v, separator));
                break;
            case PanelFormat::Z:
                texts.push_back(FormatZ(v, separator));
                break;
            case PanelFormat::P:
                texts.push_back(
                    FormatP(std::abs(v) < 1 ? std::abs(v) : 1 / std::abs(v), separator));
                break;
            default:
                texts.push_back(Blanked(FormatMean(v, separator)));
                break;
            }
        }
    }
    return texts;
}

} // namespace kvor
