#include "import/XYParser.h"

#include "engine/Capacities.h"
#include "import/LocaleFloat.h"

#include <algorithm>
#include <optional>

namespace kvor {

namespace {

// Sums are evaluated in extended precision and rounded once when stored.
void Accumulate(double& sum, long double term) {
    sum = static_cast<double>(static_cast<long double>(sum) + term);
}

} // namespace

void ResetImportBuffer(ImportedData& buffer) {
    buffer.Count = 0;
    buffer.MinX = 1e250;
    buffer.MinY = 1e250;
    buffer.MaxX = -1;
    buffer.MaxY = -1;
}

ScanTotals ParseXYLines(const TextLines& lines, std::string_view separator, char decimalSeparator,
                        ImportedData& buffer) {
    ResetImportBuffer(buffer);
    ScanTotals totals;
    if (separator.empty()) {
        return totals;
    }
    const std::size_t capacity =
        std::min({static_cast<std::size_t>(MaxImportedPairs), buffer.X.size(), buffer.Y.size()});
    std::size_t count = 0;
    for (std::string_view rest : lines) {
        if (count >= capacity) {
            break;
        }
        if (rest.find(separator) == std::string_view::npos) {
            continue;
        }
        const std::string_view xText = SplitAtSeparator(rest, separator);
        const std::string_view yText = SplitAtSeparator(rest, separator);
        if (xText.empty() || yText.empty()) {
            continue;
        }
        const std::optional<double> x = ParseLocaleFloat(xText, decimalSeparator);
        if (!x) {
            continue;
        }
        const std::optional<double> y = ParseLocaleFloat(yText, decimalSeparator);
        if (!y || *x > LineLimit || *y > LineLimit) {
            continue;
        }
        totals.NegativeX += *x < 0 ? 1 : 0;
        totals.NegativeY += *y < 0 ? 1 : 0;
        buffer.X[count] = *x;
        buffer.Y[count] = *y;
        ++count;
        if (*x <= buffer.MinX) {
            buffer.MinX = *x;
        }
        if (*x >= buffer.MaxX) {
            buffer.MaxX = *x;
        }
        if (*y <= buffer.MinY) {
            buffer.MinY = *y;
        }
        if (*y >= buffer.MaxY) {
            buffer.MaxY = *y;
        }
        const long double lx = *x;
        const long double ly = *y;
        Accumulate(totals.SumX, lx);
        Accumulate(totals.SumXX, lx * lx);
        Accumulate(totals.SumY, ly);
        Accumulate(totals.SumYY, ly * ly);
        Accumulate(totals.SumXY, lx * ly);
    }
    buffer.Count = static_cast<std::int32_t>(count);
    return totals;
}

} // namespace kvor
