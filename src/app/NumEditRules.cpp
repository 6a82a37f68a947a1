#include "app/NumEditRules.h"

#include "app/QIVNumEdit.h"

#include <algorithm>

namespace kvor {

namespace {

constexpr double PartialLowerBound = -1e-15; // negative, so that '-' can still be typed

bool IsEmptyOrSeparator(const TQIVNumEdit& edit) {
    return edit.text().isEmpty() || edit.text() == QString(edit.DecimalSeparator());
}

double ExitDefault(NumEditRole role) {
    switch (role) {
    case NumEditRole::XMaximum:
        return 100;
    case NumEditRole::Constant:
    case NumEditRole::Exponent:
        return 1;
    default:
        return 0;
    }
}

double SlopeExitValue(double v, double min, double max) {
    if (v == 0) {
        return 1;
    }
    if (v > 0 && v < 0.01) {
        return 0.01;
    }
    if (v < 0 && v > -0.01) {
        return -0.01;
    }
    return std::clamp(v, min, max);
}

} // namespace

void AdjustMinValue(TQIVNumEdit& edit, NumEditRole role) {
    const bool partial = edit.IsPartial();
    switch (role) {
    case NumEditRole::XMinimum:
        edit.SetMinValue(0);
        break;
    case NumEditRole::XMaximum:
        edit.SetMinValue(IsEmptyOrSeparator(edit) ? 100 : 0.001);
        break;
    case NumEditRole::Constant:
        edit.SetMinValue(partial || edit.Value() == 0 ? 0 : 1e-06);
        break;
    case NumEditRole::Coefficient:
    case NumEditRole::Exponent:
        edit.SetMinValue(partial ? PartialLowerBound : edit.Tag());
        break;
    case NumEditRole::Slope:
        edit.SetMinValue(partial ? PartialLowerBound : -100);
        break;
    case NumEditRole::Intercept:
        edit.SetMinValue(partial ? PartialLowerBound : -99999);
        break;
    }
}

double NormalisedExitValue(const TQIVNumEdit& edit, NumEditRole role) {
    const double min = edit.MinValue();
    const double max = edit.MaxValue();
    const double v = edit.Value();
    if (role == NumEditRole::Slope) {
        return SlopeExitValue(v, -100, max);
    }
    const double clamped = std::max(min, std::min(v, max));
    return clamped == 0 ? ExitDefault(role) : clamped;
}

} // namespace kvor
