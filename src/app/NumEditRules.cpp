#include "app/NumEditRules.h"

#include "engine/DesignLimits.h"

#include "app/QIVNumEdit.h"

#include <algorithm>

namespace kvor {

namespace {

bool IsEmptyOrSeparator(const TQIVNumEdit& edit) {
    return edit.text().isEmpty() || edit.text() == QString(edit.DecimalSeparator());
}

bool IsSlope(DesignField field) {
    return field == DesignField::TrueSlope || field == DesignField::ActualSlope;
}

// When the field takes its lower bound for partial texts.
bool TakesPartialBound(const TQIVNumEdit& edit, DesignField field) {
    switch (field) {
    case DesignField::XMax:
        return IsEmptyOrSeparator(edit);
    case DesignField::ConstantVariance:
        return edit.IsPartial() || edit.Value() == 0;
    default:
        return edit.IsPartial();
    }
}

double SlopeExitValue(double v, double min, double max) {
    if (v == 0) {
        return 1;
    }
    if (v > 0 && v < SlopeExitStep) {
        return SlopeExitStep;
    }
    if (v < 0 && v > -SlopeExitStep) {
        return -SlopeExitStep;
    }
    return std::clamp(v, min, max);
}

} // namespace

void AdjustMinValue(TQIVNumEdit& edit, DesignField field) {
    const FieldLimits& limits = DesignLimit(field);
    if (TakesPartialBound(edit, field)) {
        edit.SetMinValue(limits.Partial);
    } else {
        // Coefficients and exponents take back the bound their edit carries in its tag.
        edit.SetMinValue(limits.Tag != 0 ? edit.Tag() : limits.Min);
    }
}

double NormalisedExitValue(const TQIVNumEdit& edit, DesignField field) {
    const FieldLimits& limits = DesignLimit(field);
    const double v = edit.Value();
    if (IsSlope(field)) {
        return SlopeExitValue(v, limits.Min, edit.MaxValue());
    }
    const double clamped = std::max(edit.MinValue(), std::min(v, edit.MaxValue()));
    return clamped == 0 ? limits.OnExit : clamped;
}

} // namespace kvor
