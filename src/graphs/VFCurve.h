#pragma once

#include "engine/AxisScale.h"
#include "engine/StudyDesign.h"

#include <array>

namespace kvor {

// Graph types of the variance-function plot, in the order of its radio buttons.
enum class VFGraphType { Variance = 1, SD = 2, CV = 3 };
constexpr int VFGraphTypeCount = 3;

// One variance function as the plot examines and draws it. The initialisers are the empty
// state the plot returns to between button presses.
struct VFCurve {
    int Form = 0;
    int Para = 0;
    double B1 = 0;
    double B2 = 0;
    double B3 = 0;
    double J = 0;
    double RangeLo = 1e10;
    double RangeHi = 0;
    double ValidLo = 1e10; // -1 while the lower end is invalid and not yet moved
    double ValidHi = 0;
    double VarMin = 1e10;
    double VarMax = 0;
    double CvMin = 1e10;
    double CvMax = 0;
    double CvTurnX = -1;
    int Code = 0;
    bool Plottable = false;
    bool FullyValid = false;
    bool CvPossible = false;
    // Label position per graph type in data units; LabelY < 0 means placed automatically.
    std::array<double, VFGraphTypeCount> LabelX{-1, -1, -1};
    std::array<double, VFGraphTypeCount> LabelY{-1, -1, -1};

    VarianceFunction Function() const { return {Form, Para, B1, B2, B3, J}; }
};

// The function `f` over [lo, hi], not yet checked.
VFCurve MakeVFCurve(const VarianceFunction& f, double lo, double hi);

// Index 1 is the Y function, 2 the X function.
constexpr int VFYFunction = 1;
constexpr int VFXFunction = 2;

// Everything the plot dialog needs, rebuilt on each press of the button. The initialisers are
// the empty state.
struct VFCurveSet {
    std::array<VFCurve, 2> Curves;
    double MeanMin = 1e10;
    double MeanMax = 0;
    double VarMinAll = 1e10;
    double VarMaxAll = 0;
    double CvBasis = 0;
    double DefaultCvMax = 0;
    int FirstFunction = 0;
    int LastFunction = 0;
    AxisScale MeanZeroAxis;
    AxisScale MeanRangeAxis;
    AxisScale MeanLogAxis;
    AxisScale VarianceAxis;
    AxisScale SDAxis;
    AxisScale CvAxis;
    AxisScale VarianceLogAxis;
    AxisScale SDLogAxis;
    VFGraphType GraphType = VFGraphType::Variance;

    VFCurve& Curve(int index) { return Curves[static_cast<std::size_t>(index - 1)]; }
    const VFCurve& Curve(int index) const { return Curves[static_cast<std::size_t>(index - 1)]; }
};

} // namespace kvor
