#pragma once

#include "engine/ExtendedMath.h"

#include <cmath>

namespace kvor {

// True once the slope has moved by less than 1e-5 of its previous value (1e-10 when that was 0).
inline bool SlopeSettled(double previous, double slope) {
    if (previous != 0) {
        return std::fabs((static_cast<ext>(previous) - slope) / previous) < 1e-5L;
    }
    return std::fabs(static_cast<ext>(previous) - slope) < 1e-10L;
}

// The passes of the reweighted fits. Pass 1 fits with the weights at the observed values; each
// later pass refits with the weights at the last fitted line until the slope settles. Pass 20
// takes the observed weights again for a final pass 21, and so does a floating-point failure
// after pass 1; the final pass repeats pass 1, so there is nothing to fall back to if it fails.
class ReweightingSchedule {
public:
    static constexpr int LastPass = 21;
    static constexpr int ObservedAgainPass = 20;

    enum class Step { Reweight, ObservedAgain, Done };

    void StartPass(int pass) {
        m_pass = pass;
        m_finalPass = m_final;
    }

    // What follows a pass that fitted; slopeOfFit() is called only when the slope is needed.
    template <typename SlopeOf> Step AfterFit(SlopeOf slopeOfFit) {
        if (m_final) {
            return Step::Done;
        }
        if (m_pass == ObservedAgainPass) {
            m_final = true;
            return Step::ObservedAgain;
        }
        const double slope = slopeOfFit();
        if (!m_first && SlopeSettled(m_previous, slope)) {
            return Step::Done;
        }
        m_first = false;
        m_previous = slope;
        return Step::Reweight;
    }

    // After a floating-point failure in the pass: true when the observed weights are to be taken
    // again for a final pass, false when the fit has failed.
    bool FallBack() {
        if (m_first || m_finalPass) {
            return false;
        }
        m_final = true;
        return true;
    }

    // The slope the next reweighting is taken at.
    double Slope() const { return m_previous; }

private:
    int m_pass = 0;
    bool m_first = true;
    bool m_final = false;
    bool m_finalPass = false;
    double m_previous = 0;
};

} // namespace kvor
