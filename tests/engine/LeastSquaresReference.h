#pragma once

#include <boost/rational.hpp>
#include <cstddef>
#include <vector>

// Exact weighted least-squares line through a small data set of rationals; the reference the
// fitted estimates are checked against.
namespace reference {

using Q = boost::rational<long long>;

struct ExactFit {
    Q Sw, XBar, YBar, Sxx, Sxy, Syy, Slope, Intercept, RSS;
};

inline ExactFit FitExactly(const std::vector<Q>& x, const std::vector<Q>& y,
                           const std::vector<Q>& w) {
    ExactFit f{};
    Q swx = 0, swy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        f.Sw += w[i];
        swx += w[i] * x[i];
        swy += w[i] * y[i];
    }
    f.XBar = swx / f.Sw;
    f.YBar = swy / f.Sw;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const Q dx = x[i] - f.XBar;
        const Q dy = y[i] - f.YBar;
        f.Sxx += w[i] * dx * dx;
        f.Sxy += w[i] * dx * dy;
        f.Syy += w[i] * dy * dy;
    }
    f.Slope = f.Sxy / f.Sxx;
    f.Intercept = f.YBar - f.Slope * f.XBar;
    f.RSS = f.Syy - f.Sxy * f.Sxy / f.Sxx;
    return f;
}

inline double ToDouble(const Q& q) {
    return boost::rational_cast<double>(q);
}

} // namespace reference
