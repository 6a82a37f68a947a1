#pragma once

#include <cstdint>

namespace kvor {

// An axis chosen by the axis routines: start and step as mantissa x 10^exponent.
// Intervals == 0 means no axis could be made.
struct AxisScale {
    std::int32_t StartMantissa = 0;
    std::int32_t StartExponent = 0;
    std::int32_t Intervals = 0;
    std::int32_t StepMantissa = 0;
    std::int32_t StepExponent = 0;
    std::int32_t MinorTicks = 0;
    std::int32_t LabelWidth = 0;
    std::int32_t Decimals = 0;
};

} // namespace kvor
