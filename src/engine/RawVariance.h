#pragma once

#include "engine/StudyDesign.h"

#include <optional>

namespace kvor {

// The variance function at v without any floor; empty when the evaluation fails (overflow,
// invalid operation, division by zero, NaN). The checks need to see what PVar hides.
std::optional<double> RawVariance(const VarianceFunction& f, double v);

// Level strictly inside (1.00001 lo, 0.99999 hi) where a form-4 function has its turning point
// (-B2 / (J B3))^(1 / (J - 1)), if there is one.
std::optional<double> Form4StationaryPoint(const VarianceFunction& f, double lo, double hi);

} // namespace kvor
