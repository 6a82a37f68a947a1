#pragma once

namespace kvor {

struct DataSet;
struct VisSetFit;

// The Deming objective minimised over the intercept at a fixed slope s, in the units of the data:
// u_i = 1 / (1/WY_i + s^2/WX_i), M = (sum u y - s sum u x) / sum u, S = sum u (y - M - s x)^2.
struct DemingProfilePoint {
    double S = 0;
    double M = 0;
    double SumU = 0;
};

// The joint region {(s, a): S(s) + SumU(s) (a - M(s))^2 <= T} of a Deming fit, with the per-point
// weights of its final pass and T = fmin (1 + 2F / (N - 2)).
class DemingRegion {
public:
    DemingRegion(const DataSet& data, const double* wx, const double* wy, double fmin, double f);

    DemingProfilePoint At(double s) const;
    bool Misses(double s0, double a0) const;

    // Searches outward from the fitted slope b for the slope limits of the region; false when the
    // region is unbounded within the search. fineTolerance asks for the 1e-7 stopping rule.
    bool FindSlopeLimits(double b, double seSlope, bool fineTolerance);

    // The outline between the limits found and the intercept extremes into fit.
    void Outline(VisSetFit& fit) const;

    double Limit() const { return m_t; }
    double LowerSlope() const { return m_sL; }
    double UpperSlope() const { return m_sU; }

private:
    double HalfWidth(const DemingProfilePoint& p) const;
    // The limit on the side `direction` (+1 or -1) of b, or false when none is found.
    bool FindLimit(double b, double seSlope, double direction, double tolerance,
                   double& limit) const;

    const DataSet& m_data;
    const double* m_wx;
    const double* m_wy;
    double m_t;
    double m_sL = 0;
    double m_sU = 0;
};

} // namespace kvor
