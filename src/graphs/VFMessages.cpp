#include "graphs/VFMessages.h"

#include "graphs/VFCurve.h"

#include <initializer_list>
#include <string_view>

namespace kvor {

namespace {

namespace T = VFTexts;

std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) {
        text += piece;
    }
    return text;
}

// Where the size refusals of codes 3 to 6 place the trouble.
std::string_view SizeWhere(int code) {
    switch (code) {
    case 3:
        return T::AtLowerEnd;
    case 4:
        return T::AtUpperEnd;
    case 5:
        return T::OverEntire;
    default:
        return T::OverCentral;
    }
}

std::string YMessage(int code, const VFMessageContext& c) {
    const std::string_view r = c.Range;
    const std::string_view range = c.Generated ? T::TargetYRange : T::ImportedYRange;
    switch (code) {
    case 1:
        return c.Generated ? Join({T::Y1Generated, r, T::SentenceBreak, T::ModifyYOrAdjust,
                                   c.Line.ByAdjusting})
                           : Join({T::Y1Imported, r, T::SentenceBreak, T::ModifyY});
    case 2:
        return c.Generated ? Join({T::Y2Generated, r, T::SentenceBreak, T::ModifyYOrAdjust,
                                   c.Line.ByAdjusting})
                           : Join({T::Y2Imported, r, T::SentenceBreak, T::ModifyY});
    case 5:
        if (c.Generated && c.Ols) {
            return std::string(T::Y5Ols);
        }
        [[fallthrough]];
    case 3:
    case 4:
    case 6:
        return Join({T::YTooLarge, SizeWhere(code), range, r, T::PlotAborted});
    case 7:
        return c.Generated ? Join({T::Y7Generated, r, T::Discontinuity, T::DiscontinuityAborted,
                                   T::ModifyYOrAdjust, c.Line.ByAdjusting})
                           : Join({T::Y7Imported, r, T::Discontinuity, T::DiscontinuityAborted,
                                   T::ModifyY});
    default:
        return {};
    }
}

std::string XMessage(int code, const VFMessageContext& c) {
    const std::string_view r = c.Range;
    if (c.Generated) {
        switch (code) {
        case 1:
            return std::string(T::X1Generated);
        case 2:
            return std::string(T::X2Generated);
        case 3:
        case 4:
        case 5:
        case 6:
            return Join({T::XTooLarge, SizeWhere(code), T::XRange, T::XPlotAborted});
        case 7:
            return std::string(T::X7Generated);
        default:
            return {};
        }
    }
    switch (code) {
    case 1:
        return Join({T::X1Imported, r, T::SentenceBreak, T::ModifyX});
    case 2:
        return Join({T::X2Imported, r, T::SentenceBreak, T::ModifyX});
    case 3:
    case 4:
    case 5:
        return Join({T::XTooLarge, SizeWhere(code), T::ImportedXRange, r, T::XPlotAborted});
    case 6:
        return Join({T::XTooLarge, T::OverCentralMisspelt, T::ImportedXRange, r, T::XPlotAborted});
    case 7:
        return Join({T::X7Imported, r, T::Discontinuity, T::DiscontinuityAborted, T::ModifyX});
    default:
        return {};
    }
}

std::string CvNote(int function, const VFMessageContext& c) {
    const std::string_view r = c.Range;
    if (function == VFXFunction) {
        return c.Generated
                   ? std::string(T::XCvNoteGenerated)
                   : Join({T::XCvNote, T::ImportedXRange, r, T::CvNoteEnd, T::XFunctionEnd});
    }
    const std::string_view start = c.Generated && c.Ols ? T::YCvNoteOls : T::YCvNote;
    const std::string_view range = c.Generated ? T::TargetYRange : T::ImportedYRange;
    return Join({start, range, r, T::CvNoteEnd, T::YFunctionEnd});
}

} // namespace

std::string VFFunctionMessage(int function, const VFCurve& curve, const VFMessageContext& context) {
    std::string text =
        function == VFXFunction ? XMessage(curve.Code, context) : YMessage(curve.Code, context);
    if (curve.Plottable && !curve.CvPossible) {
        if (!text.empty()) {
            text += T::NoteBreak;
        }
        text += CvNote(function, context);
    }
    return text;
}

} // namespace kvor
