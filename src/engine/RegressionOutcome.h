#pragma once

namespace kvor {

// What one fit reports to the runs. When FailCode is not 0 the other fields are meaningless.
struct RegressionOutcome {
    double Slope = 0;
    double Intercept = 0;
    double SESlope = 0;
    double SEIntercept = 0;
    bool Valid = false;
    bool In95SlopeCI = false;
    bool In99SlopeCI = false;
    bool In95InterceptCI = false;
    bool In99InterceptCI = false;
    bool In95CR = false;
    bool In99CR = false;
    int FailCode = 0; // 0 success, 1 degenerate spread or tiny variance, 2 floating-point failure
};

} // namespace kvor
