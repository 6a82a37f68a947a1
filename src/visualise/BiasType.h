#pragma once

namespace kvor {

// How a set's confidence intervals judge the Ideal line; the numbers are the ones dumps report.
enum class BiasType : int { None = 0, Proportional = 1, Constant = 2, Both = 3 };
inline constexpr int BiasTypeCount = 4;

} // namespace kvor
