#pragma once

namespace kvor {

// Watches a guarded stretch of arithmetic: clears the overflow, invalid and divide-by-zero flags
// when made, and Failed() tells whether any of them has been raised since.
class FloatGuard {
public:
    FloatGuard();
    FloatGuard(const FloatGuard&) = delete;
    FloatGuard& operator=(const FloatGuard&) = delete;

    bool Failed() const;
    void Reset();
};

} // namespace kvor
