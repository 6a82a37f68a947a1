#include "studies/LineCheck.h"

#include "engine/ExtendedMath.h"
#include "engine/StudyDesign.h"
#include "studies/DesignCheckTexts.h"
#include "studies/NumberFormats.h"

#include <algorithm>

namespace kvor {

namespace T = DesignCheckTexts;

TargetLine TabLine(const StudyDesign& design, StudyTab tab) {
    const bool accuracy = tab == StudyTab::Accuracy;
    return {accuracy ? design.TrueSlope : design.ActualSlope,
            accuracy ? design.TrueIntercept : design.ActualIntercept};
}

TargetRange TargetYRange(const StudyDesign& design, StudyTab tab) {
    const TargetLine line = TabLine(design, tab);
    const double y1 = static_cast<ext>(line.Slope) * design.XMin + line.Intercept;
    const double y2 = static_cast<ext>(line.Slope) * design.XMax + line.Intercept;
    return {std::min(y1, y2), std::max(y1, y2)};
}

std::optional<LineRefusal> CheckXRangeAndLine(const StudyDesign& design, StudyTab tab,
                                              std::string_view negativeStart,
                                              std::string_view negativeEnd, char separator) {
    const double xMin = design.XMin;
    const double xMax = design.XMax;
    if (xMin > 0 && xMax / (1.2L * xMin) < 0.999999999999L) {
        return LineRefusal{std::string(T::RatioTooSmall), DesignFocus::Minimum};
    }
    const TargetLine line = TabLine(design, tab);
    const double b = line.Slope;
    const double a = line.Intercept;
    const auto message = [&](std::string_view where, std::string_view x) {
        std::string text(negativeStart);
        text += where;
        text += x;
        text += T::NegativeModify;
        text += negativeEnd;
        return text;
    };
    if (b == 0) {
        // A level line has no crossing: below zero it is below zero everywhere.
        if (a < 0) {
            return LineRefusal{message(T::NegativeOverEntireRange, {}), DesignFocus::Minimum};
        }
        return std::nullopt;
    }
    const double c = -a / static_cast<ext>(b);
    const std::string cText = FormatGeneral(c, 15, 0, separator);
    if (b > 0 && c > xMin) {
        return LineRefusal{c >= xMax ? message(T::NegativeOverEntireRange, {})
                                     : message(T::NegativeBelowX, cText),
                           DesignFocus::Minimum};
    }
    if (b < 0 && c < xMax) {
        return LineRefusal{c > xMin ? message(T::NegativeAboveX, cText)
                                    : message(T::NegativeOverEntireRange, {}),
                           DesignFocus::Maximum};
    }
    return std::nullopt;
}

} // namespace kvor
