#pragma once

#include "engine/RandomGenerator.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

namespace kvor {

struct StudyDesign;

// How a run meets whoever started it. Each study's control adds its own hooks.
struct RunControl {
    // The run goes on while this is set; clearing it aborts at the next check point.
    const std::atomic<bool>* AbortFlag = nullptr;
    // The count the study reports as it goes (the Accuracy set number, the Power counted sets).
    std::function<void(int count)> Progress;
    // Where clock seeds come from.
    DayFractionSource DayFraction = LocalDayFraction;
    // When given, every seeding of the run uses it instead of the seeding rule.
    std::optional<std::uint32_t> SeedOverride;
    char DecimalSeparator = '.';
    // Threads that draw and fit data sets; 1 runs every set on the calling thread. The results
    // are the same for every count.
    int Threads = 1;

    bool Running() const { return AbortFlag == nullptr || AbortFlag->load(); }
    void ReportProgress(int count) const {
        if (Progress) {
            Progress(count);
        }
    }
    // Seeds the generator by the override or by the design's rule; returns the seed used.
    std::uint32_t Seed(RandomGenerator& generator, const StudyDesign& design) const;
};

// Every core of the machine: the thread count of the window's runs.
int AllCores();

} // namespace kvor
