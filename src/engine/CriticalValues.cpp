#include "engine/CriticalValues.h"

#include "engine/Distributions.h"
#include "engine/StudyDesign.h"

namespace kvor {

CriticalValues ComputeCriticalValues(const StudyDesign& design) {
    const int df = design.N - 2;
    CriticalValues values;
    if (design.Regression == RegressionType::OLS) {
        values.Crit95 = TQuantile(df, 0.05);
        values.Crit99 = TQuantile(df, 0.01);
    } else {
        values.Crit95 = 1.96;
        values.Crit99 = 2.576;
    }
    values.F95 = FQuantile(2, df, 0.05);
    values.F99 = FQuantile(2, df, 0.01);
    return values;
}

} // namespace kvor
