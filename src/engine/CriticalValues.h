#pragma once

namespace kvor {

struct StudyDesign;

// Quantiles a run's fits compare against, fixed at the start of the run.
struct CriticalValues {
    double Crit95 = 0;
    double Crit99 = 0;
    double F95 = 0;
    double F99 = 0;
};

// OLS uses t quantiles with N - 2 degrees of freedom; WLS and Deming use the normal 1.96 and 2.576.
// The F quantiles have 2 and N - 2 degrees of freedom for every regression.
CriticalValues ComputeCriticalValues(const StudyDesign& design);

} // namespace kvor
