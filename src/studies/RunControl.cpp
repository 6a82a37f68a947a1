#include "studies/RunControl.h"

namespace kvor {

std::uint32_t RunControl::Seed(RandomGenerator& generator, const StudyDesign& design) const {
    if (SeedOverride) {
        generator.SetSeed(*SeedOverride);
    } else {
        SeedGenerator(generator, design, DayFraction);
    }
    return generator.Seed();
}

} // namespace kvor
