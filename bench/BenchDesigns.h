#pragma once

#include "engine/StudyDesign.h"

namespace kvor::bench {

// An error SD of `cv` times the level: variance (cv v)^2.
inline VarianceFunction ProportionalSD(double cv) {
    VarianceFunction f;
    f.Form = 2;
    f.Para = 0;
    f.B1 = 0;
    f.B2 = cv;
    f.J = 2;
    return f;
}

} // namespace kvor::bench
