#pragma once

#include <string>

namespace kvor::AccuracyTexts {

// Shown when an imported pool cannot supply a data set; the design checks normally prevent it.
inline std::string PoolExhausted(int set) {
    return "The imported X, Y pairs cannot supply data set #" + std::to_string(set) +
           ".  Import the pairs again before starting the run.";
}

} // namespace kvor::AccuracyTexts
