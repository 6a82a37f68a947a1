#include "engine/DesignLimits.h"

#include "engine/DigitCount.h"

#include <algorithm>

namespace kvor {

namespace {

int MinOf(DesignField field) {
    return static_cast<int>(DesignLimit(field).Min);
}

int MaxOf(DesignField field) {
    return static_cast<int>(DesignLimit(field).Max);
}

} // namespace

SamplingLimits UpdateSampling(int count, int sets, int n) {
    SamplingLimits limits;
    limits.Sets = sets;
    limits.N = n;
    if (count <= 0) {
        limits.MaxSets = MaxOf(DesignField::SetsPerRun);
        limits.MaxN = MaxOf(DesignField::N);
    } else if (static_cast<long long>(sets) * n > count) {
        const int perSet = std::max(count / MinOf(DesignField::SetsPerRun), 1);
        limits.MaxSets = count / perSet;
        limits.MaxN = perSet;
        limits.Sets = MinOf(DesignField::SetsPerRun);
        limits.N = perSet;
    } else {
        limits.MaxSets = count / n;
        limits.MaxN = count / sets;
    }
    limits.SetsMaxLength = DigitCount(std::max(limits.MaxSets, MinOf(DesignField::SetsPerRun)));
    limits.NMaxLength = DigitCount(std::max(limits.MaxN, MinOf(DesignField::N)));
    return limits;
}

int MaxNForSets(int count, int sets) {
    return std::min(count / sets, MaxOf(DesignField::N));
}

int MaxSetsForN(int count, int n) {
    return std::min(count / n, MaxOf(DesignField::SetsPerRun));
}

} // namespace kvor
