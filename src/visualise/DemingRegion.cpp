#include "visualise/DemingRegion.h"

#include "engine/DataSet.h"
#include "engine/ExtendedMath.h"
#include "visualise/VisSetFit.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {

// The outward search tries b + 10 j SE(b) for j up to 10, then b + 1000 j |b| for j up to 100.
constexpr int NearSteps = 10;
constexpr double NearStride = 10;
constexpr int FarSteps = 100;
constexpr double FarStride = 1000;
constexpr int MaxHalvings = 1000;
constexpr double CoarseTolerance = 1e-5;
constexpr double FineTolerance = 1e-7;
constexpr double ZeroTolerance = 1e-14;

} // namespace

DemingRegion::DemingRegion(const DataSet& data, const double* wx, const double* wy, double fmin,
                           double f)
    : m_data(data), m_wx(wx), m_wy(wy),
      m_t(ToDouble(fmin + 2.0L * f * fmin / static_cast<ext>(data.N - 2))) {}

DemingProfilePoint DemingRegion::At(double s) const {
    const double* x = m_data.X.data();
    const double* y = m_data.Y.data();
    const int n = m_data.N;
    const ext s2 = static_cast<ext>(s) * s;
    DemingProfilePoint p;
    double sumUX = 0;
    double sumUY = 0;
    for (int i = 0; i < n; ++i) {
        const double u = ToDouble(1.0L / (1.0L / m_wy[i] + s2 / m_wx[i]));
        p.SumU = ToDouble(p.SumU + static_cast<ext>(u));
        sumUX = ToDouble(sumUX + static_cast<ext>(u) * x[i]);
        sumUY = ToDouble(sumUY + static_cast<ext>(u) * y[i]);
    }
    p.M = ToDouble((sumUY - static_cast<ext>(s) * sumUX) / p.SumU);
    for (int i = 0; i < n; ++i) {
        const ext u = 1.0L / (1.0L / m_wy[i] + s2 / m_wx[i]);
        const ext r = y[i] - static_cast<ext>(p.M) - static_cast<ext>(s) * x[i];
        p.S = ToDouble(p.S + ToDouble(u) * r * r);
    }
    return p;
}

double DemingRegion::HalfWidth(const DemingProfilePoint& p) const {
    return ToDouble(std::sqrt(std::max<ext>(0, (static_cast<ext>(m_t) - p.S) / p.SumU)));
}

bool DemingRegion::Misses(double s0, double a0) const {
    const DemingProfilePoint p = At(s0);
    if (p.S > m_t) {
        return true;
    }
    const double r = HalfWidth(p);
    return a0 < ToDouble(static_cast<ext>(p.M) - r) || a0 > ToDouble(static_cast<ext>(p.M) + r);
}

bool DemingRegion::FindLimit(double b, double seSlope, double direction, double tolerance,
                             double& limit) const {
    const auto outside = [&](double s) { return At(s).S > m_t; };
    bool found = false;
    double out = b;
    for (int j = 1; j <= NearSteps && !found; ++j) {
        out = ToDouble(b + direction * NearStride * j * static_cast<ext>(seSlope));
        found = outside(out);
    }
    for (int j = 1; j <= FarSteps && !found; ++j) {
        out = ToDouble(b + direction * FarStride * j * std::fabs(static_cast<ext>(b)));
        found = outside(out);
    }
    if (!found) {
        return false;
    }
    double in = b;
    for (int k = 0; k < MaxHalvings; ++k) {
        const double mid = ToDouble((static_cast<ext>(in) + out) / 2);
        const double s = At(mid).S;
        if (s == m_t) {
            in = mid;
            break;
        }
        (s < m_t ? in : out) = mid;
        const ext gap = std::fabs(static_cast<ext>(out) - in);
        if (in == 0 ? gap < ZeroTolerance : gap / std::fabs(static_cast<ext>(in)) < tolerance) {
            break;
        }
    }
    limit = in;
    return true;
}

bool DemingRegion::FindSlopeLimits(double b, double seSlope, bool fineTolerance) {
    const double tolerance = fineTolerance ? FineTolerance : CoarseTolerance;
    return FindLimit(b, seSlope, 1, tolerance, m_sU) && FindLimit(b, seSlope, -1, tolerance, m_sL);
}

void DemingRegion::Outline(VisSetFit& fit) const {
    const ext span = static_cast<ext>(m_sU) - m_sL;
    RegionOutline& o = fit.Outline;
    fit.RegionInterceptMin = 1e300;
    fit.RegionInterceptMax = -1e300;
    for (int i = 0; i < OutlinePoints; ++i) {
        const double s = ToDouble(m_sL + i * span / (OutlinePoints - 1));
        const DemingProfilePoint p = At(s);
        const double r = HalfWidth(p);
        o.Slope[i] = s;
        o.Lower[i] = ToDouble(static_cast<ext>(p.M) - r);
        o.Upper[i] = ToDouble(static_cast<ext>(p.M) + r);
        fit.RegionInterceptMin = std::min(fit.RegionInterceptMin, o.Lower[i]);
        fit.RegionInterceptMax = std::max(fit.RegionInterceptMax, o.Upper[i]);
    }
}

} // namespace kvor
