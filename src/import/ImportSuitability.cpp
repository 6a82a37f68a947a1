#include "import/ImportSuitability.h"

#include "engine/FloatGuard.h"
#include "import/ImportTexts.h"

#include <cmath>
#include <string>
#include <string_view>

namespace kvor {

namespace {

constexpr double NegativeAllowance = 0.025;
constexpr double XRangeRatio = 1.2;
constexpr double RatioTolerance = 0.999999999999;
constexpr double SlopeBound = 101;
constexpr double NearZeroSlope = 0.009;
constexpr double InterceptBound = 100500;
constexpr double PerfectFitFactor = 1e-8;
constexpr double SlopeWhenUndefined = 200;

// The least-squares line of Y on X from the running sums.
struct SumsLine {
    double Slope = 0;
    double Intercept = 0;
    double RSS = 0;
};

SumsLine LineFromSums(const ScanTotals& t, double n) {
    using ld = long double;
    double sxx = static_cast<double>(ld{t.SumXX} - ld{t.SumX} * t.SumX / n);
    if (sxx < 0) {
        sxx = 0;
    }
    double syy = static_cast<double>(ld{t.SumYY} - ld{t.SumY} * t.SumY / n);
    if (syy < 0) {
        syy = 0;
    }
    const double sxy = static_cast<double>(ld{t.SumXY} - ld{t.SumX} * t.SumY / n);
    const double meanX = static_cast<double>(ld{t.SumX} / n);
    const double meanY = static_cast<double>(ld{t.SumY} / n);

    SumsLine line;
    line.Slope = SlopeWhenUndefined;
    if (sxx != 0) {
        FloatGuard guard;
        const double slope = static_cast<double>(ld{sxy} / sxx);
        double rss = static_cast<double>(ld{syy} - ld{sxy} * sxy / sxx);
        if (!guard.Failed()) {
            line.Slope = slope;
            line.RSS = rss < 0 ? 0 : rss;
        }
    }
    line.Intercept = static_cast<double>(ld{meanY} - ld{line.Slope} * meanX);
    return line;
}

bool FailsAllowance(double minimum, double maximum) {
    return minimum < 0 && std::fabs(static_cast<long double>(minimum)) >
                              static_cast<long double>(NegativeAllowance) * maximum;
}

ImportRefusal Unsuitable(std::string_view message) {
    return {ImportRefusalReason::UnsuitableData, ImportBox::Information, std::string(message)};
}

std::optional<ImportRefusal> FirstFailure(const ImportedData& b, ImportKind kind,
                                          const ScanTotals& totals, ImportSource source,
                                          bool clipboardHoldsText) {
    const auto n = static_cast<std::size_t>(b.Count);
    if (n == 0) {
        const std::string_view text = source == ImportSource::File ? ImportTexts::NoPairsFromFile
                                      : clipboardHoldsText ? ImportTexts::NoPairsFromClipboard
                                                           : ImportTexts::NoPairsClipboardGone;
        return ImportRefusal{ImportRefusalReason::NoPairs, ImportBox::Error, std::string(text)};
    }
    if (n < MinimumPairs(kind)) {
        return ImportRefusal{ImportRefusalReason::TooFewPairs, ImportBox::Information,
                             ImportTexts::InsufficientPairs(source, kind, n)};
    }
    if (2 * totals.NegativeX > n) {
        return Unsuitable(ImportTexts::HalfXNegative);
    }
    if (2 * totals.NegativeY > n) {
        return Unsuitable(ImportTexts::HalfYNegative);
    }
    const bool xFails = FailsAllowance(b.MinX, b.MaxX);
    const bool yFails = FailsAllowance(b.MinY, b.MaxY);
    if (xFails && yFails) {
        return Unsuitable(ImportTexts::NegativeXAndY);
    }
    if (xFails) {
        return Unsuitable(ImportTexts::NegativeX);
    }
    if (yFails) {
        return Unsuitable(ImportTexts::NegativeY);
    }
    if (b.MinX > 0 &&
        static_cast<long double>(b.MaxX) / (XRangeRatio * static_cast<long double>(b.MinX)) <
            RatioTolerance) {
        return Unsuitable(ImportTexts::XRatio);
    }
    const SumsLine line = LineFromSums(totals, static_cast<double>(n));
    if (!(line.Slope <= SlopeBound && line.Slope >= -SlopeBound)) {
        return Unsuitable(ImportTexts::SlopeTooLarge);
    }
    if (line.Slope > -NearZeroSlope && line.Slope < NearZeroSlope) {
        return Unsuitable(ImportTexts::SlopeNearZero);
    }
    if (!(line.Intercept <= InterceptBound && line.Intercept >= -InterceptBound)) {
        return Unsuitable(ImportTexts::InterceptTooLarge);
    }
    if (std::sqrt(static_cast<long double>(line.RSS) / n) <
        static_cast<long double>(PerfectFitFactor) * b.MaxY) {
        return Unsuitable(ImportTexts::PerfectFit);
    }
    return std::nullopt;
}

} // namespace

std::size_t MinimumPairs(ImportKind kind) {
    return kind == ImportKind::Accuracy ? 3000 : 100000;
}

std::optional<ImportRefusal> CheckLineCount(std::size_t lines, ImportKind kind,
                                            ImportSource source) {
    if (lines >= MinimumPairs(kind)) {
        return std::nullopt;
    }
    return ImportRefusal{ImportRefusalReason::TooFewLines, ImportBox::Information,
                         ImportTexts::InsufficientLines(source, kind, lines)};
}

std::optional<ImportRefusal> CheckImportSuitability(ImportedData& buffer, ImportKind kind,
                                                    const ScanTotals& totals, ImportSource source,
                                                    bool clipboardHoldsText) {
    std::optional<ImportRefusal> refusal =
        FirstFailure(buffer, kind, totals, source, clipboardHoldsText);
    if (refusal) {
        buffer.Count = 0;
    }
    return refusal;
}

} // namespace kvor
