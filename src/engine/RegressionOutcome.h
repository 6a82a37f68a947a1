#pragma once

namespace kvor {

// Why a fit failed. The numbers are the ones dumps, messages and exported sets report, so the
// enumeration converts to them.
enum FailCode : int { NoFailure = 0, DegenerateSpread = 1, FloatingPointFailure = 2 };

// What one fit reports to the runs. When FailCode is not NoFailure the other fields are
// meaningless.
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
    // DegenerateSpread also covers a tiny variance.
    kvor::FailCode FailCode = NoFailure;
};

} // namespace kvor
