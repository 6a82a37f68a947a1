#include "studies/DesignCheck.h"

#include "engine/ExtendedMath.h"
#include "engine/FloatGuard.h"
#include "engine/ImportedData.h"
#include "engine/RawVariance.h"
#include "engine/StudyDesign.h"
#include "engine/VarianceFunctions.h"
#include "studies/DesignCheckTexts.h"
#include "studies/LineCheck.h"
#include "studies/NumberFormats.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace kvor {

namespace {

namespace T = DesignCheckTexts;

constexpr double LowestLevel = 1e-8;
constexpr double TinyVariance = 1e-280;
constexpr double HugeVariance = 1e280;
constexpr double MaxVarianceRatio = 1e12;
constexpr double TurningPointLimit = 1e199;

bool IsPositive(const std::optional<double>& v) {
    return v.has_value() && *v > 0;
}

// max(a / b, b / a) > 1e12 for positive a and b; a failed division counts as too large.
bool RatioTooLarge(double a, double b) {
    const FloatGuard guard;
    const volatile ext ratio = std::max(static_cast<ext>(a) / b, static_cast<ext>(b) / a);
    return guard.Failed() || !(ratio <= MaxVarianceRatio);
}

// Turning points of the coefficient of variation of a form-4 function in (vmin, hi), as
// magnitudes; minima and maxima alike matter to the check against negative values.
std::array<std::optional<double>, 2> Form4CVTurningPoints(const VarianceFunction& f, double vmin,
                                                          double hi) {
    const CVTurningPoints points = Calc4PRegCVMinMax(f.B1, f.B2, f.B3, f.J, vmin, hi);
    std::array<std::optional<double>, 2> result;
    const std::array<double, 2> raw{points.R1, points.R2};
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (std::isfinite(raw[i]) && raw[i] <= TurningPointLimit) {
            result[i] = std::fabs(raw[i]);
        }
    }
    return result;
}

// The checks against negative simulated values, once the function is known to be positive.
int NegativeValueCode(const VarianceFunction& f, double vmin, double hi, double vLo, double vHi,
                      const std::optional<double>& vx, const std::optional<double>& vxVariance) {
    std::optional<double> vc;
    std::optional<double> vcVariance;
    if (f.Form != 4) {
        const double point = CVTurningPoint(f.Form, f.Para, f.B1, f.B2, f.J, vmin, hi);
        if (point > 0) {
            vcVariance = RawVariance(f, point);
            // A point where the function cannot be evaluated is dropped.
            if (vcVariance) {
                vc = point;
            }
        }
    }
    int code = 0;
    if (!CheckNeg(vmin, hi, vLo)) {
        code = 3;
    }
    if (!CheckNeg(hi, hi, vHi)) {
        code += 4;
    }
    if (code == 7) {
        code = 5;
    }
    if (code != 0) {
        return code;
    }
    if (f.Form != 4) {
        return vc && !CheckNeg(*vc, hi, *vcVariance) ? 6 : 0;
    }
    if (vx && !CheckNeg(*vx, hi, *vxVariance)) {
        return 6;
    }
    for (const std::optional<double>& u : Form4CVTurningPoints(f, vmin, hi)) {
        if (!u) {
            continue;
        }
        const std::optional<double> vu = RawVariance(f, *u);
        if (vu && !CheckNeg(*u, hi, *vu)) {
            return 6;
        }
    }
    return 0;
}

std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

struct MessageContext {
    bool Generated;
    RegressionType Regression;
    const T::LineWording& Wording;
    int Form;
    std::string Range;
};

std::string YVarianceMessage(int code, const MessageContext& c) {
    const std::string_view range = c.Range;
    const T::LineWording& w = c.Wording;
    const auto imported = [&](std::string_view first) {
        return Join({first, range, T::Inaccurate, T::ModifyY});
    };
    const auto generated = [&](std::string_view first, std::string_view tail) {
        return Join({first, range, T::Inaccurate, T::ModifyYOrAdjust, tail});
    };
    switch (code) {
    case 1:
        return Join({c.Form == 4 ? T::Y1Form4 : T::Y1Forms23, range, T::FullStop});
    case 2:
        return c.Generated ? Join({T::Y2Generated, range, T::SentenceBreak, T::Y2GeneratedAdjust,
                                   w.ByAdjusting})
                           : Join({T::Y2Imported, range, T::SentenceBreak, T::ModifyY});
    case 3:
        return c.Regression == RegressionType::OLS
                   ? Join({T::NegativeRuleY, T::Y3Ols, w.OlsLowerEnd, T::Y3OlsEnd})
                   : Join({T::NegativeRuleY, T::Y3Weighted, w.AdjustingTail});
    case 4:
        return Join({T::NegativeRuleY, T::Y4, w.ByAdjusting});
    case 5:
        return Join({T::NegativeRuleY, T::Y5});
    case 6:
        return Join({T::NegativeRuleY, T::Y6});
    case 7:
        return c.Generated ? generated(T::Y7Generated, w.LowerEndTail) : imported(T::Y7Imported);
    case 8:
        return c.Generated ? generated(T::Y8Generated, w.LowerEndTail) : imported(T::Y8Imported);
    case 9:
        return c.Generated ? generated(T::Y9Generated, w.UpperEndTail) : imported(T::Y9Imported);
    case 10:
        return c.Generated ? generated(T::Y10Generated, w.UpperEndTail) : imported(T::Y10Imported);
    case 11:
        return imported(T::Y11);
    case 12:
        return c.Generated ? generated(T::Y12Generated, w.YRangeTail) : imported(T::Y12Imported);
    default:
        return {};
    }
}

std::string XVarianceMessage(int code, const MessageContext& c) {
    const std::string_view range = c.Range;
    const auto pick = [&](std::string_view generated, std::string_view importedFirst) {
        return c.Generated ? std::string(generated)
                           : Join({importedFirst, range, T::Inaccurate, T::ModifyX});
    };
    switch (code) {
    case 101:
        return std::string(c.Form == 4 ? T::X101Form4 : T::X101Forms23);
    case 102:
        return c.Generated ? std::string(T::X102Generated)
                           : Join({T::X102Imported, range, T::SentenceBreak, T::ModifyX});
    case 103:
        return Join({T::NegativeRuleX, T::X103});
    case 104:
        return Join({T::NegativeRuleX, T::X104});
    case 105:
        return Join({T::NegativeRuleX, T::X105});
    case 106:
        return Join({T::NegativeRuleX, T::X106});
    case 107:
        return pick(T::X107Generated, T::X107Imported);
    case 108:
        return pick(T::X108Generated, T::X108Imported);
    case 109:
        return pick(T::X109Generated, T::X109Imported);
    case 110:
        return pick(T::X110Generated, T::X110Imported);
    case 111:
        return pick(T::X111Generated, T::X111Imported);
    case 112:
        return pick(T::X112Generated, T::X112Imported);
    default:
        return {};
    }
}

DesignCheckResult Refusal(std::string message, DesignFocus focus, int code) {
    DesignCheckResult result;
    result.Passed = false;
    result.Message = std::move(message);
    result.Kind = MessageKind::Information;
    result.Focus = focus;
    result.Code = code;
    return result;
}

int CheckFunction(const VarianceFunction& f, double lo, double hi, bool generated) {
    return CheckVarianceFunction(f.Para, f.Form, hi, lo, f.J, f.B3, f.B2, f.B1, generated);
}

} // namespace

std::string MessageRangeText(double lo, double hi, char separator) {
    std::string text(DesignCheckTexts::RangeOpen);
    text += FormatGeneral(lo, 15, 0, separator);
    text += DesignCheckTexts::RangeTo;
    text += FormatGeneral(hi, 15, 0, separator);
    text += DesignCheckTexts::RangeClose;
    return text;
}

bool CheckNeg(double t, double L, double V) {
    // A negative variance has no SD; no boundary can be vouched for.
    if (!(V >= 0)) {
        return false;
    }
    const double d = t - 2.5L * std::sqrt(static_cast<ext>(V));
    return d >= 0 || 0.025L * L >= std::fabs(static_cast<ext>(d));
}

int CheckVarianceFunction(int Para, int Form, double hi, double lo, double J, double B3, double B2,
                          double B1, bool generated) {
    const VarianceFunction f{.Form = Form, .Para = Para, .B1 = B1, .B2 = B2, .B3 = B3, .J = J};
    const bool form4 = Form == 4;
    if (B1 <= 0 && B2 <= 0 && (!form4 || B3 <= 0)) {
        return 1;
    }
    const double vmin = lo < LowestLevel ? LowestLevel : lo;

    const std::optional<double> lower = RawVariance(f, vmin);
    if (!IsPositive(lower)) {
        return 2;
    }
    const double vLo = *lower;
    if (vLo < TinyVariance) {
        return 7;
    }
    if (vLo > HugeVariance) {
        return 8;
    }

    const std::optional<double> upper = RawVariance(f, hi);
    if (!IsPositive(upper)) {
        return 2;
    }
    const double vHi = *upper;
    if (vHi < TinyVariance) {
        return 9;
    }
    if (vHi > HugeVariance) {
        return 10;
    }

    if (!form4 && RatioTooLarge(vLo, vHi)) {
        return 12;
    }

    std::optional<double> vx;
    std::optional<double> vxVariance;
    if (form4) {
        vx = Form4StationaryPoint(f, vmin, hi);
        if (vx) {
            vxVariance = RawVariance(f, *vx);
            if (!IsPositive(vxVariance)) {
                return 2;
            }
            if (*vxVariance < TinyVariance || *vxVariance > HugeVariance) {
                return 11;
            }
        }
    }

    int code = generated ? NegativeValueCode(f, vmin, hi, vLo, vHi, vx, vxVariance) : 0;

    if (form4 && (code == 0 || (code >= 3 && code <= 6))) {
        double smallest = std::min(vLo, vHi);
        double largest = std::max(vLo, vHi);
        if (vx) {
            smallest = std::min(smallest, *vxVariance);
            largest = std::max(largest, *vxVariance);
        }
        if (RatioTooLarge(smallest, largest)) {
            code = 12;
        }
    }
    return code;
}

DesignCheckResult CheckDesign(const StudyDesign& design, StudyTab tab, const PoolExtremes& imported,
                              char decimalSeparator) {
    const bool generated = design.DataSource == DataSource::Generate;
    const T::LineWording& wording = tab == StudyTab::Accuracy ? T::TrueLine : T::ActualLine;

    if (generated) {
        if (auto refusal = CheckXRangeAndLine(design, tab, wording.NegativeStart,
                                              wording.NegativeEnd, decimalSeparator)) {
            return Refusal(std::move(refusal->Message), refusal->Focus, 0);
        }
    }

    double yLo = imported.MinY;
    double yHi = imported.MaxY;
    if (generated) {
        const TargetRange targets = TargetYRange(design, tab);
        yLo = targets.Lo;
        yHi = targets.Hi;
    }
    const double xLo = generated ? design.XMin : imported.MinX;
    const double xHi = generated ? design.XMax : imported.MaxX;

    int code = 0;
    DesignFocus focus = DesignFocus::None;
    if (design.Regression == RegressionType::OLS) {
        if (generated && !CheckNeg(yLo, yHi, design.ConstantVariance)) {
            code = 3;
            focus = DesignFocus::Variance;
        }
    } else {
        code = CheckFunction(design.YVariance, yLo, yHi, generated);
        if (code > 0) {
            focus = DesignFocus::YB1;
        } else if (design.Regression == RegressionType::Deming) {
            code = CheckFunction(design.XVariance, xLo, xHi, generated);
            if (code > 0) {
                code += 100;
                focus = DesignFocus::XB1;
            }
        }
    }
    if (code == 0) {
        return {};
    }

    const bool xFunction = code > 100;
    const MessageContext context{generated, design.Regression, wording,
                                 xFunction ? design.XVariance.Form : design.YVariance.Form,
                                 xFunction ? MessageRangeText(xLo, xHi, decimalSeparator)
                                           : MessageRangeText(yLo, yHi, decimalSeparator)};
    std::string message =
        xFunction ? XVarianceMessage(code, context) : YVarianceMessage(code, context);
    return Refusal(std::move(message), focus, code);
}

} // namespace kvor
