#pragma once

namespace kvor {

struct VisSetFit;

// The sums of a least-squares fit that describe its joint region: the weight sum W (N for OLS),
// the weighted uncentred sums, the centred spread Sxx and the residual sum of squares RSS.
struct LeastSquaresSums {
    double W = 0;
    double Sx = 0;
    double Sy = 0;
    double Sxx0 = 0;
    double Syy0 = 0;
    double Sxy0 = 0;
    double Sxx = 0;
    double RSS = 0;
    int N = 0;
};

// The elliptical region {(s, a): W (a - m(s))^2 + Sxx (s - b)^2 <= T} around the fitted (b, a),
// with m(s) = (Sy - s Sx) / W and T = 2 F RSS / (N - 2).
class LeastSquaresRegion {
public:
    LeastSquaresRegion(const LeastSquaresSums& sums, double slope, double intercept, double f);

    // Whether the region misses the point (s0, a0).
    bool Misses(double s0, double a0) const;
    // The outline and the intercept extremes into fit.
    void Outline(VisSetFit& fit) const;

    double Limit() const { return m_t; }
    double SlopeHalfExtent() const { return m_h; }

private:
    double Centre(double s) const;
    double HalfWidth(double s) const;

    LeastSquaresSums m_sums;
    double m_b;
    double m_a;
    double m_t;
    double m_h;
};

} // namespace kvor
