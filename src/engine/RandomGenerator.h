#pragma once

#include <cstdint>
#include <functional>

namespace kvor {

struct StudyDesign;

// The run's 32-bit linear congruential generator. Fixed-seed runs depend on the exact sequence,
// so every draw advances the state by one step and nothing else touches it.
class RandomGenerator {
public:
    explicit RandomGenerator(std::uint32_t seed = 0) : m_Seed(seed) {}

    std::uint32_t Seed() const { return m_Seed; }
    void SetSeed(std::uint32_t seed) { m_Seed = seed; }

    // Uniform in [0, 1): the new state times 2^-32.
    double NextUniform();
    // Gaussian deviate by the polar method; consumes two uniforms per attempt.
    double NormalDeviate(double mean, double sd);
    // Steps the generator past one deviate without computing it.
    void SkipDeviate();

private:
    // Draws pairs until the polar method accepts one: returns u1, with s = u1^2 + u2^2.
    double PolarPair(double& s);

    std::uint32_t m_Seed;
};

// Whether the polar method takes the pair of uniforms made from two successive states, decided
// in whole numbers: the same answer as the test on the deviates, at a fraction of the cost.
bool PolarAccepts(std::uint32_t first, std::uint32_t second);

// Fraction of the current local day elapsed, in [0, 1).
double LocalDayFraction();

// Where the clock seed comes from; tests and scripted runs pass a fixed one.
using DayFractionSource = std::function<double()>;

// Seeds the generator at the start of a run: SetsPerRun * N for a fixed seed, otherwise the
// hundredths of a second since midnight. The clock is read only when the seed is not fixed.
void SeedGenerator(RandomGenerator& generator, const StudyDesign& design,
                   const DayFractionSource& dayFraction = LocalDayFraction);

} // namespace kvor
