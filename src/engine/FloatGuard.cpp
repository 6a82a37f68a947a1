#include "engine/FloatGuard.h"

#include <cfenv>

namespace kvor {

namespace {

constexpr int WatchedFlags = FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO;

} // namespace

FloatGuard::FloatGuard() {
    Reset();
}

bool FloatGuard::Failed() const {
    return std::fetestexcept(WatchedFlags) != 0;
}

void FloatGuard::Reset() {
    std::feclearexcept(WatchedFlags);
}

} // namespace kvor
