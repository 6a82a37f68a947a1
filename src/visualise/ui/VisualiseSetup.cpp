#include "visualise/ui/VisualiseSetup.h"

#include <cstdlib>
#include <cstring>

namespace kvor {

namespace {

constexpr int LargestN = 5000;
constexpr int SmallestN = 3;

} // namespace

int SuggestedN(const char* requiredNText) {
    if (std::strchr(requiredNText, '>') != nullptr) {
        return LargestN;
    }
    const long n = std::strtol(requiredNText, nullptr, 10);
    return n < SmallestN ? SmallestN : (n > LargestN ? LargestN : static_cast<int>(n));
}

} // namespace kvor
