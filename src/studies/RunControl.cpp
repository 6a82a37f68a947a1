#include "studies/RunControl.h"

#include <algorithm>
#include <thread>

namespace kvor {

std::uint32_t RunControl::Seed(RandomGenerator& generator, const StudyDesign& design) const {
    if (SeedOverride) {
        generator.SetSeed(*SeedOverride);
    } else {
        SeedGenerator(generator, design, DayFraction);
    }
    return generator.Seed();
}

int AllCores() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

} // namespace kvor
