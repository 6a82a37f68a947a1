#include "visualise/LeastSquaresRegion.h"

#include "engine/ExtendedMath.h"
#include "visualise/VisSetFit.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

double RootOfPositive(ext v) {
    return ToDouble(std::sqrt(std::max<ext>(0, v)));
}

} // namespace

LeastSquaresRegion::LeastSquaresRegion(const LeastSquaresSums& sums, double slope, double intercept,
                                       double f)
    : m_sums(sums), m_b(slope), m_a(intercept),
      m_t(ToDouble(2.0L * f * sums.RSS / static_cast<ext>(sums.N - 2))),
      m_h(RootOfPositive(static_cast<ext>(m_t) / sums.Sxx)) {}

double LeastSquaresRegion::Centre(double s) const {
    return ToDouble((m_sums.Sy - static_cast<ext>(s) * m_sums.Sx) / m_sums.W);
}

double LeastSquaresRegion::HalfWidth(double s) const {
    const ext d = static_cast<ext>(s) - m_b;
    return RootOfPositive((m_t - d * d * m_sums.Sxx) / m_sums.W);
}

bool LeastSquaresRegion::Misses(double s0, double a0) const {
    const double sL = ToDouble(static_cast<ext>(m_b) - m_h);
    const double sU = ToDouble(static_cast<ext>(m_b) + m_h);
    if (s0 < sL || s0 > sU) {
        return true;
    }
    const double m = Centre(s0);
    const double r = HalfWidth(s0);
    return a0 < ToDouble(static_cast<ext>(m) - r) || a0 > ToDouble(static_cast<ext>(m) + r);
}

void LeastSquaresRegion::Outline(VisSetFit& fit) const {
    const double sL = ToDouble(static_cast<ext>(m_b) - m_h);
    const double sU = ToDouble(static_cast<ext>(m_b) + m_h);
    const ext span = static_cast<ext>(sU) - sL;
    RegionOutline& o = fit.Outline;
    for (int i = 0; i < OutlinePoints; ++i) {
        const double s = ToDouble(sL + i * span / (OutlinePoints - 1));
        const double m = Centre(s);
        const double r = HalfWidth(s);
        o.Slope[i] = s;
        o.Lower[i] = ToDouble(static_cast<ext>(m) - r);
        o.Upper[i] = ToDouble(static_cast<ext>(m) + r);
    }
    // The intercept extremes of the ellipse, from the uncentred sums.
    const LeastSquaresSums& q = m_sums;
    const ext det = static_cast<ext>(q.Sxx0) * q.Syy0 - static_cast<ext>(q.Sxy0) * q.Sxy0 -
                    static_cast<ext>(q.Sxx0) * (static_cast<ext>(m_t) + q.RSS);
    const double g =
        RootOfPositive(static_cast<ext>(m_a) * m_a - det / (static_cast<ext>(q.W) * q.Sxx));
    fit.RegionInterceptMin = ToDouble(static_cast<ext>(m_a) - g);
    fit.RegionInterceptMax = ToDouble(static_cast<ext>(m_a) + g);
}

} // namespace kvor
