#include "engine/TruePointWeights.h"

#include "engine/DataSet.h"
#include "engine/DemingScratch.h"
#include "engine/ExtendedMath.h"
#include "engine/StudyDesign.h"

#include <cmath>

namespace kvor {

namespace {

struct Point {
    double X;
    double Y;
};

// Where the line y = b x + a0 crosses edge 1 (left), 2 (bottom), 3 (top) or 4 (right) of the
// box of weight limits, if it crosses that edge within the box.
bool EdgeIntersection(int edge, double b, double a0, const WeightRange& xl, const WeightRange& yl,
                      Point& p) {
    if (edge == 1 || edge == 4) {
        const double x = edge == 1 ? xl.Lower : xl.Upper;
        const double y = ToDouble(static_cast<ext>(b) * x + a0);
        p = {x, y};
        return yl.Lower <= y && y <= yl.Upper;
    }
    if (b == 0) {
        return false;
    }
    const double y = edge == 2 ? yl.Lower : yl.Upper;
    const double x = ToDouble((static_cast<ext>(y) - a0) / b);
    p = {x, y};
    return xl.Lower <= x && x <= xl.Upper;
}

double NearerYLimit(double yh, const WeightRange& yl) {
    return std::fabs(static_cast<ext>(yh) - yl.Lower) < std::fabs(static_cast<ext>(yl.Upper) - yh)
               ? yl.Lower
               : yl.Upper;
}

// Replaces an estimated true point outside the box of limits by a crossing of the line with the
// box: the first crossing from the left, the first from the right, whichever is nearer in x.
Point BoxPoint(double b, double a0, double xh, double yh, const WeightRange& xl,
               const WeightRange& yl) {
    Point p1{xl.Lower, NearerYLimit(yh, yl)};
    int edge1 = 1;
    for (int edge = 1; edge <= 3; ++edge) {
        Point p{};
        if (EdgeIntersection(edge, b, a0, xl, yl, p)) {
            p1 = p;
            edge1 = edge;
            break;
        }
    }
    Point p2{xl.Upper, NearerYLimit(yh, yl)};
    for (int edge = 4; edge > edge1; --edge) {
        Point p{};
        if (EdgeIntersection(edge, b, a0, xl, yl, p)) {
            p2 = p;
            break;
        }
    }
    const ext x = xh;
    return std::fabs(p2.X - x) < std::fabs(p1.X - x) ? p2 : p1;
}

bool Within(double v, const WeightRange& r) {
    return r.Lower <= v && v <= r.Upper;
}

} // namespace

void TruePointWeights(const StudyDesign& design, const DataSet& data, WeightRange xLimits,
                      WeightRange yLimits, double slope, double intercept, DemingScratch& scratch) {
    const ext b = slope;
    // The objective's values on record belong to the old weights.
    scratch.Evaluated.clear();
    for (int i = 0; i < data.N; ++i) {
        const double x = data.X[i];
        const double y = data.Y[i];
        const ext wx = scratch.WX[i];
        const ext wy = scratch.WY[i];
        const double r = ToDouble(b * x + intercept - y);
        const double q = ToDouble(1.0L / wy + b * b / wx);
        const double xh = ToDouble(x - r * b / (wx * q));
        const double yh = ToDouble(y + r / (wy * q));
        Point p{xh, yh};
        if (!Within(xh, xLimits) || !Within(yh, yLimits)) {
            p = BoxPoint(slope, intercept, xh, yh, xLimits, yLimits);
        }
        scratch.LevelX[i] = p.X;
        scratch.LevelY[i] = p.Y;
    }
    Weights(design.XVariance, scratch.LevelX.data(), scratch.WX.data(), data.N);
    Weights(design.YVariance, scratch.LevelY.data(), scratch.WY.data(), data.N);
}

} // namespace kvor
