#include "engine/RandomGenerator.h"

#include "engine/ExtendedMath.h"
#include "engine/StudyDesign.h"
#include "engine/UnitLog.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace kvor {

namespace {

constexpr std::uint32_t Multiplier = 134775813u;
constexpr double TwoToMinus32 = 1.0 / 4294967296.0;
constexpr ext HundredthsPerDay = 8640000.0L;

} // namespace

double RandomGenerator::NextUniform() {
    m_Seed = m_Seed * Multiplier + 1u;
    return static_cast<double>(m_Seed) * TwoToMinus32;
}

double RandomGenerator::PolarPair(double& s) {
    double u1 = 0;
    // s == 0 would take ln 0; rejecting it costs nothing and leaves every other sequence alone.
    do {
        u1 = ToDouble(2.0L * NextUniform() - 1.0L);
        const double u2 = ToDouble(2.0L * NextUniform() - 1.0L);
        s = ToDouble(static_cast<ext>(u2) * u2 + static_cast<ext>(u1) * u1);
    } while (s >= 1.0 || s == 0.0);
    return u1;
}

double RandomGenerator::NormalDeviate(double mean, double sd) {
    double s = 0;
    const double u1 = PolarPair(s);
    const ext ls = s;
    return ToDouble(std::sqrt(-2.0L * UnitLog(ls) / ls) * u1 * sd + mean);
}

void RandomGenerator::SkipDeviate() {
    std::uint32_t first = 0;
    do {
        first = m_Seed * Multiplier + 1u;
        m_Seed = first * Multiplier + 1u;
    } while (!PolarAccepts(first, m_Seed));
}

bool PolarAccepts(std::uint32_t first, std::uint32_t second) {
    // A state k gives u = 2 k 2^-32 - 1 = j / 2^31 with j = k - 2^31, so s = (j1^2 + j2^2) / 2^62
    // exactly. In double s rounds up to 1.0 from 1 - 2^-54 (the tie goes to the even 1.0), so
    // the rounded s lies in (0, 1) exactly when 0 < j1^2 + j2^2 < 2^62 - 2^8.
    const auto square = [](std::uint32_t k) {
        const std::int64_t j = static_cast<std::int64_t>(k) - (std::int64_t{1} << 31);
        return static_cast<std::uint64_t>(j * j);
    };
    const std::uint64_t sum = square(first) + square(second);
    return sum != 0 && sum < (std::uint64_t{1} << 62) - 256u;
}

double LocalDayFraction() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sinceSecond = now - std::chrono::time_point_cast<std::chrono::seconds>(now);
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                           std::chrono::duration<double>(sinceSecond).count();
    const double fraction = seconds / 86400.0;
    return fraction < 1.0 ? fraction : 0.0;
}

void SeedGenerator(RandomGenerator& generator, const StudyDesign& design,
                   const DayFractionSource& dayFraction) {
    if (design.FixedSeed) {
        generator.SetSeed(static_cast<std::uint32_t>(design.SetsPerRun) *
                          static_cast<std::uint32_t>(design.N));
        return;
    }
    ext fraction = dayFraction ? dayFraction() : LocalDayFraction();
    if (!(fraction >= 0.0L) || fraction >= 1.0L) {
        fraction = 0.0L;
    }
    generator.SetSeed(static_cast<std::uint32_t>(RoundHalfEven(fraction * HundredthsPerDay)));
}

} // namespace kvor
