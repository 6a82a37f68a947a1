#pragma once

#include "engine/ExtendedMath.h"

#include <cmath>

// One-dimensional search routines of the Deming fit: downhill bracketing of a minimum, Brent's
// minimiser and Brent's root finder. Expressions run in extended precision; every stored value is
// rounded to double.

namespace kvor {

// Three abscissae with Bx between Ax and Cx and Fb below Fa and Fc (when bracketing succeeded).
struct MinimumBracket {
    double Ax = 0;
    double Bx = 0;
    double Cx = 0;
    double Fa = 0;
    double Fb = 0;
    double Fc = 0;
};

struct MinimumPoint {
    double X = 0;
    double F = 0;
};

namespace brent_detail {

// Magnitude of a with the sign of b (zero counts as positive).
inline ext WithSign(ext a, ext b) {
    return b >= 0 ? std::fabs(a) : -std::fabs(a);
}

} // namespace brent_detail

// Walks downhill from ax, bx (objective values fa, fb already known) by golden-section steps and
// parabolic extrapolation until the middle point lies below both ends.
template <class F>
MinimumBracket BracketMinimum(double ax, double bx, double fa, double fb, F&& f) {
    constexpr ext Gold = 1.618034L;
    constexpr ext GrowthLimit = 100.0L;
    constexpr ext Tiny = 1e-20L;
    constexpr int MaxSteps = 1000000;

    if (fb > fa) {
        const double sx = ax;
        ax = bx;
        bx = sx;
        const double sf = fa;
        fa = fb;
        fb = sf;
    }
    double cx = ToDouble(bx + Gold * (static_cast<ext>(bx) - ax));
    double fc = f(cx);
    for (int step = 0; step < MaxSteps && fb > fc; ++step) {
        const double r = ToDouble((static_cast<ext>(bx) - ax) * (static_cast<ext>(fb) - fc));
        const double q = ToDouble((static_cast<ext>(bx) - cx) * (static_cast<ext>(fb) - fa));
        const ext qr = static_cast<ext>(q) - r;
        const ext divisor = 2.0L * brent_detail::WithSign(std::fmax(std::fabs(qr), Tiny), qr);
        double u = ToDouble(
            bx - ((static_cast<ext>(bx) - cx) * q - (static_cast<ext>(bx) - ax) * r) / divisor);
        const double uLimit = ToDouble(bx + GrowthLimit * (static_cast<ext>(cx) - bx));
        double fu = 0;
        if ((static_cast<ext>(bx) - u) * (static_cast<ext>(u) - cx) > 0) {
            // Parabolic point between bx and cx.
            fu = f(u);
            if (fu < fc) {
                return {bx, u, cx, fb, fu, fc};
            }
            if (fu > fb) {
                return {ax, bx, u, fa, fb, fu};
            }
            u = ToDouble(cx + Gold * (static_cast<ext>(cx) - bx));
            fu = f(u);
        } else if ((static_cast<ext>(cx) - u) * (static_cast<ext>(u) - uLimit) > 0) {
            // Parabolic point between cx and its allowed limit.
            fu = f(u);
            if (fu < fc) {
                bx = cx;
                cx = u;
                u = ToDouble(cx + Gold * (static_cast<ext>(cx) - bx));
                fb = fc;
                fc = fu;
                fu = f(u);
            }
        } else if ((static_cast<ext>(u) - uLimit) * (static_cast<ext>(uLimit) - cx) >= 0) {
            u = uLimit;
            fu = f(u);
        } else {
            u = ToDouble(cx + Gold * (static_cast<ext>(cx) - bx));
            fu = f(u);
        }
        ax = bx;
        bx = cx;
        cx = u;
        fa = fb;
        fb = fc;
        fc = fu;
    }
    return {ax, bx, cx, fa, fb, fc};
}

// Brent's minimisation inside a bracket whose middle value br.Fb is already known. Returns the
// best point found; when the iterations run out that is the best point so far.
template <class F> MinimumPoint BrentMinimise(const MinimumBracket& br, double tol, F&& f) {
    using brent_detail::WithSign;
    constexpr ext GoldSection = 0.381966L;
    constexpr ext Floor = 1e-10L;
    constexpr int MaxIterations = 200;

    double a = br.Ax < br.Cx ? br.Ax : br.Cx;
    double b = br.Ax > br.Cx ? br.Ax : br.Cx;
    double x = br.Bx;
    double w = x;
    double v = x;
    double fx = br.Fb;
    double fw = fx;
    double fv = fx;
    double d = 0;
    double e = 0;
    for (int iteration = 0; iteration < MaxIterations; ++iteration) {
        const double xm = ToDouble(0.5L * (static_cast<ext>(a) + b));
        const double tol1 = ToDouble(tol * std::fabs(static_cast<ext>(x)) + Floor);
        const double tol2 = ToDouble(2.0L * tol1);
        if (std::fabs(static_cast<ext>(x) - xm) <= tol2 - 0.5L * (static_cast<ext>(b) - a)) {
            return {x, fx};
        }
        bool golden = true;
        if (std::fabs(e) > tol1) {
            // Trial parabolic fit through x, w and v.
            const double r = ToDouble((static_cast<ext>(x) - w) * (static_cast<ext>(fx) - fv));
            double q = ToDouble((static_cast<ext>(x) - v) * (static_cast<ext>(fx) - fw));
            double p = ToDouble((static_cast<ext>(x) - v) * q - (static_cast<ext>(x) - w) * r);
            q = ToDouble(2.0L * (static_cast<ext>(q) - r));
            if (q > 0) {
                p = -p;
            }
            q = std::fabs(q);
            const double eTemp = e;
            e = d;
            const bool acceptable = !(std::fabs(p) >= std::fabs(0.5L * q * eTemp) ||
                                      p <= static_cast<ext>(q) * (static_cast<ext>(a) - x) ||
                                      p >= static_cast<ext>(q) * (static_cast<ext>(b) - x));
            if (acceptable) {
                golden = false;
                d = ToDouble(static_cast<ext>(p) / q);
                const double u = ToDouble(static_cast<ext>(x) + d);
                if (static_cast<ext>(u) - a < tol2 || static_cast<ext>(b) - u < tol2) {
                    d = ToDouble(WithSign(tol1, static_cast<ext>(xm) - x));
                }
            }
        }
        if (golden) {
            e = x >= xm ? ToDouble(static_cast<ext>(a) - x) : ToDouble(static_cast<ext>(b) - x);
            d = ToDouble(GoldSection * e);
        }
        const double u = std::fabs(d) >= tol1 ? ToDouble(static_cast<ext>(x) + d)
                                              : ToDouble(static_cast<ext>(x) + WithSign(tol1, d));
        const double fu = f(u);
        if (fu <= fx) {
            if (u >= x) {
                a = x;
            } else {
                b = x;
            }
            v = w;
            w = x;
            x = u;
            fv = fw;
            fw = fx;
            fx = fu;
        } else {
            if (u < x) {
                a = u;
            } else {
                b = u;
            }
            if (fu <= fw || w == x) {
                v = w;
                w = u;
                fv = fw;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return {x, fx};
}

// Where Brent's root finder stopped: at b with residual fb, converged or out of iterations.
struct RootSearch {
    double Root = 0;
    double Residual = 0;
    bool Converged = false;
};

// Brent's root finder between x1 and x2, with at most maxIterations steps. The ends are not
// checked for a change of sign.
template <class F>
RootSearch BrentRootSearch(double x1, double x2, double tol, int maxIterations, F&& f) {
    using brent_detail::WithSign;
    constexpr ext MachineEps = 3e-8L;

    double a = x1;
    double b = x2;
    double c = x2;
    double fa = f(a);
    double fb = f(b);
    double fc = fb;
    double d = 0;
    double e = 0;
    for (int iteration = 0; iteration < maxIterations; ++iteration) {
        if ((fb > 0 && fc > 0) || (fb < 0 && fc < 0)) {
            c = a;
            fc = fa;
            d = ToDouble(static_cast<ext>(b) - a);
            e = d;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol1 =
            ToDouble(2.0L * MachineEps * std::fabs(static_cast<ext>(b)) + 0.5L * tol);
        const double xm = ToDouble(0.5L * (static_cast<ext>(c) - b));
        if (std::fabs(xm) <= tol1 || fb == 0) {
            return {b, fb, true};
        }
        if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
            // Inverse quadratic interpolation, or the secant when only two points are distinct.
            const double s = ToDouble(static_cast<ext>(fb) / fa);
            double p = 0;
            double q = 0;
            if (a == c) {
                p = ToDouble(2.0L * xm * s);
                q = ToDouble(1.0L - s);
            } else {
                q = ToDouble(static_cast<ext>(fa) / fc);
                const double r = ToDouble(static_cast<ext>(fb) / fc);
                p = ToDouble(s * (2.0L * xm * (static_cast<ext>(q) - r) -
                                  (static_cast<ext>(b) - a) * (static_cast<ext>(r) - 1.0L)));
                q = ToDouble((static_cast<ext>(q) - 1.0L) * (static_cast<ext>(r) - 1.0L) *
                             (static_cast<ext>(s) - 1.0L));
            }
            if (p > 0) {
                q = -q;
            }
            p = std::fabs(p);
            const double min1 = ToDouble(3.0L * q * xm - std::fabs(static_cast<ext>(tol1) * q));
            const double min2 = ToDouble(std::fabs(static_cast<ext>(e) * q));
            if (2.0L * p < (min1 < min2 ? min1 : min2)) {
                e = d;
                d = ToDouble(static_cast<ext>(p) / q);
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        fa = fb;
        if (std::fabs(d) > tol1) {
            b = ToDouble(static_cast<ext>(b) + d);
        } else {
            b = ToDouble(static_cast<ext>(b) + WithSign(tol1, xm));
        }
        fb = f(b);
    }
    return {b, fb, false};
}

// The root finder of the Deming limits: when the iterations run out the current best estimate
// is returned, since the callers use it as a bound.
template <class F> double BrentRoot(double x1, double x2, double tol, F&& f) {
    constexpr int MaxIterations = 100;
    return BrentRootSearch(x1, x2, tol, MaxIterations, f).Root;
}

} // namespace kvor
