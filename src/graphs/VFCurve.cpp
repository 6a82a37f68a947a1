#include "graphs/VFCurve.h"

namespace kvor {

VFCurve MakeVFCurve(const VarianceFunction& f, double lo, double hi) {
    VFCurve c;
    c.Form = f.Form;
    c.Para = f.Para;
    c.B1 = f.B1;
    c.B2 = f.B2;
    c.B3 = f.B3;
    c.J = f.J;
    c.RangeLo = lo;
    c.RangeHi = hi;
    return c;
}

} // namespace kvor
