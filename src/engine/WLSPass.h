#pragma once

#include "engine/DataSet.h"
#include "engine/ExtendedMath.h"
#include "engine/VarianceFunctions.h"
#include "engine/WeightedSums.h"

namespace kvor {

class FloatGuard;

// Weights 1/V with V from the Y-variance function at a level clamped into the weight limits.
class WLSWeighting {
public:
    WLSWeighting(const VarianceFunction& f, const DataSet& data, double* w)
        : m_f(f), m_data(data), m_w(w), m_range(WgtRange(f, data.SetYMin, data.SetYMax)) {}

    void ObservedWeights() {
        for (int i = 0; i < m_data.N; ++i) {
            m_w[i] = Weight(m_f, Clamp(m_data.Y[i], m_range));
        }
    }

    void FittedWeights(double slope, double intercept) {
        const ext b = slope;
        for (int i = 0; i < m_data.N; ++i) {
            m_w[i] = Weight(m_f, Clamp(ToDouble(b * m_data.X[i] + intercept), m_range));
        }
    }

private:
    const VarianceFunction& m_f;
    const DataSet& m_data;
    double* m_w;
    WeightRange m_range;
};

// One pass's fit and the sums the joint region needs.
struct WLSPassFit {
    double Slope = 0;
    double Intercept = 0;
    double SESlope = 0;
    double SEIntercept = 0;
    double Sxx = 0;
    double Syy = 0;
    double Sxy = 0;
    WeightedSums Sums;
};

enum class WLSPassResult { Fitted, NoSpread, FloatFailure };

// One weighted least-squares pass with the weights w; `guard` watches the whole pass.
WLSPassResult FitWLSPass(const DataSet& data, const double* w, const FloatGuard& guard,
                         WLSPassFit& p);

} // namespace kvor
